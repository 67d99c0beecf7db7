#include "common/Janelas.h"

#include <QApplication>
#include <QHash>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

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
    j->Widget()->show();
    sub->showMaximized();
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
