#include "common/Janelas.h"

#include "common/Banco.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QChildEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace {

QHash<QString, Janelas::Fabrica>& fabricas()
{
    static QHash<QString, Janelas::Fabrica> f;
    return f;
}

struct Estado {
    QPointer<QMainWindow> principal;
    QPointer<QMdiArea> area;
    QHash<QString, Janela*> carregadas;
    QHash<Janela*, QPointer<QMdiSubWindow>> subjanelas;
    Janela* ultimaAtiva = nullptr;
    // Child windows in the order they last came to the front, the latest last:
    // when the front one closes or hides, the one before it comes back.
    QList<Janela*> frente;
    // Hiding a child moves the focus, and with it the MDI area's activation, to
    // some other child; that is no activation of the user's, so it is ignored
    // and the right window is brought forward once the handler is done.
    int escondendo = 0;
    bool retornoPendente = false;
    // The window being shown: its activation waits until it has its size.
    Janela* mostrando = nullptr;
    bool ativacaoAdiada = false;
    Janelas::ManipuladorModal manipulador;
};

Estado& estado()
{
    static Estado e;
    return e;
}

QString nomeDe(Janela* j)
{
    return j->Widget()->objectName();
}

// The client area a child window was designed for: its own minimum size, or
// what its layout needs, and at least the extent of the controls on show
// (controls parked far outside the window to hide them do not count).
QSize tamanhoProjetado(QWidget* w)
{
    static const char* const kProprio = "tessauraMinimoProprio";
    if (!w->property(kProprio).isValid())
        w->setProperty(kProprio, w->minimumSize());
    QSize t = w->property(kProprio).toSize();
    if (w->layout())
        return t.expandedTo(w->minimumSizeHint());
    constexpr int kLonge = 10000;
    QRect extensao;
    for (QObject* o : w->children()) {
        auto* c = qobject_cast<QWidget*>(o);
        if (!c || c->isWindow() || (c->isHidden() && c->testAttribute(Qt::WA_WState_ExplicitShowHide)))
            continue;
        const QRect g = c->geometry();
        if (g.left() < 0 || g.top() < 0 || g.right() > kLonge || g.bottom() > kLonge)
            continue;
        extensao = extensao.united(g);
    }
    return t.expandedTo(QSize(extensao.right() + 1, extensao.bottom() + 1));
}

// Keeps a child window at least as large as its design, so that a smaller work
// area scrolls it instead of cutting it off: the size follows the controls as
// they are shown, hidden, moved or resized.
class Rolagem : public QObject {
public:
    static Rolagem* De(QWidget* janela)
    {
        QObject* r = janela->findChild<QObject*>(QLatin1String(kNome), Qt::FindDirectChildrenOnly);
        return r ? static_cast<Rolagem*>(r) : new Rolagem(janela);
    }
    void Ajustar()
    {
        m_pendente = false;
        const QSize t = tamanhoProjetado(m_janela);
        if (t != m_janela->minimumSize())
            m_janela->setMinimumSize(t);
    }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        switch (ev->type()) {
        case QEvent::ChildAdded:
            if (obj == m_janela && static_cast<QChildEvent*>(ev)->child() != this)
                static_cast<QChildEvent*>(ev)->child()->installEventFilter(this);
            break;
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            if (obj != m_janela && !m_pendente) {
                m_pendente = true;
                QMetaObject::invokeMethod(this, [this] { Ajustar(); }, Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(obj, ev);
    }

private:
    static constexpr const char* kNome = "tessauraRolagem";
    explicit Rolagem(QWidget* janela) : QObject(janela), m_janela(janela)
    {
        setObjectName(QLatin1String(kNome));
        janela->installEventFilter(this);
        for (QObject* o : janela->children()) {
            if (o != this)
                o->installEventFilter(this);
        }
    }

    QWidget* m_janela;
    bool m_pendente = false;
};

// Scrolls the work area by the least that brings w into view (its top left
// corner first when it is larger than the view). A control already in view,
// even in part, stays where it is, and nothing moves while a mouse button is
// held: the press that gave it the focus must be released on the same spot.
void MostrarNaArea(QMdiArea* area, QWidget* w)
{
    constexpr int kFolga = 8;
    const QRect r(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
    const QRect v = area->viewport()->rect();
    if (r.intersects(v) || QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    const auto rolar = [](QScrollBar* barra, int inicio, int fim, int vInicio, int vFim) {
        int delta = 0;
        if (inicio < vInicio || fim - inicio > vFim - vInicio)
            delta = inicio - vInicio - kFolga;
        else if (fim > vFim)
            delta = fim - vFim + kFolga;
        if (delta != 0)
            barra->setValue(barra->value() + delta);
    };
    rolar(area->horizontalScrollBar(), r.left(), r.right(), v.left(), v.right());
    rolar(area->verticalScrollBar(), r.top(), r.bottom(), v.top(), v.bottom());
}

}  // namespace

Dialogo::Dialogo(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
}

bool Janelas::RegistrarFabrica(const QString& nome, Fabrica f)
{
    fabricas().insert(nome, std::move(f));
    return true;
}

void Janelas::DefinirPrincipal(QMainWindow* principal, QMdiArea* area)
{
    estado().principal = principal;
    estado().area = area;
    estado().retornoPendente = false;  // a return asked of an older area died with it
    if (area) {
        // A work area smaller than a child window's design scrolls that window.
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // Every child stands maximized, also the ones behind the front one.
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
        area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
        // The control that takes the focus is scrolled into view; not the one
        // that a window takes by being shown or left by another being hidden:
        // a window shown comes into view from its top left corner.
        QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* agora) {
            const Estado& e = estado();
            if (agora && area->viewport()->isAncestorOf(agora) && !e.escondendo && !e.mostrando)
                MostrarNaArea(area, agora);
        });
        QObject::connect(area, &QMdiArea::subWindowActivated, area,
                         [](QMdiSubWindow* sub) { AoAtivarSubjanela(sub); });
    }
}

QMainWindow* Janelas::Principal() { return estado().principal; }
QMdiArea* Janelas::Area() { return estado().area; }

Janela* Janelas::Carregar(const QString& nome)
{
    if (Janela* j = Obter(nome))
        return j;
    auto it = fabricas().find(nome);
    if (it == fabricas().end())
        return nullptr;
    Janela* j = (*it)();
    j->Widget()->setObjectName(nome);
    estado().carregadas.insert(nome, j);
    Banco::Acao acao;
    j->Form_Load();
    return j;
}

Janela* Janelas::Obter(const QString& nome)
{
    return estado().carregadas.value(nome, nullptr);
}

void Janelas::Descarregar(const QString& nome)
{
    if (Janela* j = Obter(nome))
        Descarregar(j);
}

void Janelas::Descarregar(Janela* j)
{
    Estado& e = estado();
    const QString nome = nomeDe(j);
    if (e.carregadas.value(nome) != j)
        return;
    e.carregadas.remove(nome);
    Banco::Acao acao;
    j->Form_Unload();
    if (e.ultimaAtiva == j)
        e.ultimaAtiva = nullptr;
    e.frente.removeAll(j);
    QWidget* w = j->Widget();
    if (auto* d = qobject_cast<QDialog*>(w)) {
        d->hide();
        if (d->isModal())
            d->done(QDialog::Rejected);
    }
    QPointer<QMdiSubWindow> sub = e.subjanelas.take(j);
    if (sub) {
        ++e.escondendo;
        sub->hide();
        if (e.area)
            e.area->removeSubWindow(sub);
        --e.escondendo;
        sub->deleteLater();
        AgendarRetorno();
    }
    w->hide();
    w->deleteLater();
}

void Janelas::AgendarRetorno()
{
    Estado& e = estado();
    if (e.retornoPendente || !e.area)
        return;
    e.retornoPendente = true;
    // The window that comes back is part of the command that closed or hid
    // the one before it, and its failure is that command's; outside any
    // command it comes back once control returns to the event loop.
    if (!Banco::AoTerminar([] { TrazerAFrente(); }))
        QMetaObject::invokeMethod(
            e.area,
            [] {
                Banco::Acao acao;
                TrazerAFrente();
            },
            Qt::QueuedConnection);
}

void Janelas::TrazerAFrente()
{
    Estado& e = estado();
    e.retornoPendente = false;
    Janela* j = Visivel(e.ultimaAtiva) ? e.ultimaAtiva : nullptr;
    for (auto it = e.frente.crbegin(); !j && it != e.frente.crend(); ++it) {
        if (Visivel(*it))
            j = *it;
    }
    // Shown again: maximized, the active child, and its activation run when
    // it comes back from behind another window.
    if (j)
        Mostrar(j);
}

static QMdiSubWindow* subjanelaDe(Janela* j, bool criar)
{
    Estado& e = estado();
    QPointer<QMdiSubWindow> sub = e.subjanelas.value(j);
    if (!sub && criar && e.area) {
        sub = e.area->addSubWindow(j->Widget(), Qt::FramelessWindowHint | Qt::SubWindow);
        sub->setWindowTitle(QString());
        sub->setObjectName(nomeDe(j) + QStringLiteral("_sub"));
        e.subjanelas.insert(j, sub);
    }
    return sub;
}

void Janelas::Mostrar(Janela* j)
{
    Exibir(j, true);
}

void Janelas::Restaurar(Janela* j)
{
    Exibir(j, false);
}

void Janelas::Exibir(Janela* j, bool ativar)
{
    if (!j)
        return;
    Estado& e = estado();
    QMdiSubWindow* sub = subjanelaDe(j, true);
    if (!sub) {
        j->Widget()->show();
        if (ativar)
            Ativar(j);
        return;
    }
    const bool jaVisivel = sub->isVisible() && j->Widget()->isVisible();
    Janela* antes = e.ultimaAtiva;
    // The MDI area announces the activation while the child is still being
    // shown, before it is maximized; the activation's work (a run with its
    // progress display, say) must find the window at its full size, so it is
    // held back until the window stands maximized in the area.
    Janela* mostrandoAntes = e.mostrando;
    e.mostrando = j;
    e.ativacaoAdiada = false;
    Rolagem::De(j->Widget())->Ajustar();
    j->Widget()->show();
    sub->showMaximized();
    // Another window comes into view from its top left corner.
    if (e.area && antes != j) {
        e.area->horizontalScrollBar()->setValue(e.area->horizontalScrollBar()->minimum());
        e.area->verticalScrollBar()->setValue(e.area->verticalScrollBar()->minimum());
    }
    if (e.area)
        e.area->setActiveSubWindow(sub);
    const bool adiada = e.ativacaoAdiada;
    e.mostrando = mostrandoAntes;
    e.ativacaoAdiada = false;
    // The activation runs once: the one the MDI area announced, or a window
    // shown anew, or made the active child.
    if (!ativar) {
        e.ultimaAtiva = j;
        e.frente.removeAll(j);
        e.frente.append(j);
    } else if (adiada || !jaVisivel || antes != j) {
        Ativar(j);
    }
}

void Janelas::Ocultar(Janela* j)
{
    if (!j)
        return;
    Estado& e = estado();
    if (e.ultimaAtiva == j)
        e.ultimaAtiva = nullptr;
    e.frente.removeAll(j);
    if (QMdiSubWindow* sub = subjanelaDe(j, false)) {
        ++e.escondendo;
        sub->hide();
        --e.escondendo;
        AgendarRetorno();
    } else {
        j->Widget()->hide();
    }
}

bool Janelas::Visivel(Janela* j)
{
    if (!j)
        return false;
    if (QMdiSubWindow* sub = subjanelaDe(j, false))
        return sub->isVisible() && j->Widget()->isVisible();
    return j->Widget()->isVisible();
}

void Janelas::ExibirModal(Janela* j)
{
    auto* d = dynamic_cast<Dialogo*>(j);
    if (!d)
        return;
    Estado& e = estado();
    QPointer<Dialogo> guarda(d);
    if (e.principal && !e.manipulador)
        d->setParent(e.principal, d->windowFlags());
    d->setModal(!e.manipulador);
    // The dialog's opening is part of the command that opens it; a dialog
    // that could not read what it shows does not open.
    {
        Banco::Acao acao;
        d->show();
        Ativar(j);
        if (Banco::HouveFalha() && guarda && Obter(nomeDe(guarda)) == guarda)
            Descarregar(guarda.data());
    }
    if (!guarda || !guarda->isVisible())
        return;
    {
        // Each command given in the dialog is an action of its own; the one
        // that opened it goes on when it closes.
        Banco::AcaoSuspensa suspensa;
        if (e.manipulador) {
            e.manipulador(d);
            return;
        }
        guarda->exec();
    }
    if (guarda && Obter(nomeDe(guarda)) == guarda) {
        // A dialog closed by its title bar is unloaded like one closed by a button.
        Descarregar(guarda.data());
    }
}

void Janelas::DefinirManipuladorModal(ManipuladorModal m)
{
    estado().manipulador = std::move(m);
}

void Janelas::Ativar(Janela* j)
{
    if (!j || j->m_emAtivacao)
        return;
    Estado& e = estado();
    if (!dynamic_cast<Dialogo*>(j)) {
        e.ultimaAtiva = j;
        e.frente.removeAll(j);
        e.frente.append(j);
    }
    j->m_emAtivacao = true;
    {
        Banco::Acao acao;
        j->Form_Activate();
    }
    j->m_emAtivacao = false;
}

void Janelas::AoAtivarSubjanela(QMdiSubWindow* sub)
{
    if (!sub)
        return;  // the main window lost the focus, e.g. to a message box
    Estado& e = estado();
    if (e.escondendo)
        return;
    for (auto it = e.subjanelas.begin(); it != e.subjanelas.end(); ++it) {
        if (it.value() == sub) {
            Janela* j = it.key();
            if (j == e.mostrando) {
                e.ativacaoAdiada = j != e.ultimaAtiva;
                return;
            }
            if (j != e.ultimaAtiva && sub->isVisible())
                Ativar(j);
            return;
        }
    }
}

void Janelas::Reiniciar()
{
    Estado& e = estado();
    const auto janelas = e.carregadas.values();
    for (Janela* j : janelas)
        Descarregar(j);
    e.carregadas.clear();
    e.subjanelas.clear();
    e.ultimaAtiva = nullptr;
    e.frente.clear();
    e.retornoPendente = false;
    e.manipulador = nullptr;
}
