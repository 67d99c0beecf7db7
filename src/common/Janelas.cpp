#include "common/Janelas.h"

#include <QApplication>
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
// corner first when it is larger than the view).
void MostrarNaArea(QMdiArea* area, QWidget* w)
{
    constexpr int kFolga = 8;
    const QRect r(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
    const QRect v = area->viewport()->rect();
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
    if (area) {
        // A work area smaller than a child window's design scrolls that window.
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // The control that takes the focus is scrolled into view.
        QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* agora) {
            if (agora && area->viewport()->isAncestorOf(agora))
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
    j->Form_Unload();
    if (e.ultimaAtiva == j)
        e.ultimaAtiva = nullptr;
    QWidget* w = j->Widget();
    if (auto* d = qobject_cast<QDialog*>(w)) {
        d->hide();
        if (d->isModal())
            d->done(QDialog::Rejected);
    }
    QPointer<QMdiSubWindow> sub = e.subjanelas.take(j);
    if (sub) {
        sub->hide();
        if (e.area)
            e.area->removeSubWindow(sub);
        sub->deleteLater();
    }
    w->hide();
    w->deleteLater();
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
    if (!j)
        return;
    Estado& e = estado();
    QMdiSubWindow* sub = subjanelaDe(j, true);
    if (!sub) {
        j->Widget()->show();
        Ativar(j);
        return;
    }
    const bool jaVisivel = sub->isVisible() && j->Widget()->isVisible();
    Janela* antes = e.ultimaAtiva;
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
    // The activation runs once: through the MDI area's signal when it came,
    // otherwise here (a window shown anew, or made the active child).
    const bool sinalRodou = e.ultimaAtiva == j && antes != j;
    if (!sinalRodou && (!jaVisivel || antes != j))
        Ativar(j);
}

void Janelas::Ocultar(Janela* j)
{
    if (!j)
        return;
    Estado& e = estado();
    if (QMdiSubWindow* sub = subjanelaDe(j, false))
        sub->hide();
    else
        j->Widget()->hide();
    if (e.ultimaAtiva == j)
        e.ultimaAtiva = nullptr;
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
    if (e.manipulador) {
        d->show();
        Ativar(j);
        e.manipulador(d);
        return;
    }
    QPointer<Dialogo> guarda(d);
    if (e.principal)
        d->setParent(e.principal, d->windowFlags());
    d->setModal(true);
    d->show();
    Ativar(j);
    if (guarda && guarda->isVisible())
        guarda->exec();
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
    if (!dynamic_cast<Dialogo*>(j))
        e.ultimaAtiva = j;
    j->m_emAtivacao = true;
    j->Form_Activate();
    j->m_emAtivacao = false;
}

void Janelas::AoAtivarSubjanela(QMdiSubWindow* sub)
{
    if (!sub)
        return;  // the main window lost the focus, e.g. to a message box
    Estado& e = estado();
    for (auto it = e.subjanelas.begin(); it != e.subjanelas.end(); ++it) {
        if (it.value() == sub) {
            Janela* j = it.key();
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
    e.manipulador = nullptr;
}
