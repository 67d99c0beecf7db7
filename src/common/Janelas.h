#pragma once
// Windows of the system: every window is a class named as the window, loaded
// (constructed, then Form_Load) and unloaded (Form_Unload, then deleteLater)
// through this registry, so "is it loaded" is a lookup and never re-creates a
// window. Child windows live in the main window's MDI area, frameless and
// maximized; dialogs are shown modally through ExibirModal.
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QMainWindow;

// What every window of the system has: its load, unload and activation work.
class Janela {
public:
    virtual ~Janela() = default;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual QWidget* Widget() = 0;

private:
    friend class Janelas;
    bool m_emAtivacao = false;
};

// A child window of the main window.
class Formulario : public QWidget, public Janela {
    Q_OBJECT
public:
    explicit Formulario(QWidget* parent = nullptr) : QWidget(parent) {}
    QWidget* Widget() override { return this; }
};

// A modal dialog.
class Dialogo : public QDialog, public Janela {
    Q_OBJECT
public:
    explicit Dialogo(QWidget* parent = nullptr);
    QWidget* Widget() override { return this; }
};

class Janelas {
public:
    using Fabrica = std::function<Janela*()>;

    // Every window class registers its factory under its name.
    static bool RegistrarFabrica(const QString& nome, Fabrica f);

    static void DefinirPrincipal(QMainWindow* principal, QMdiArea* area);
    static QMainWindow* Principal();
    static QMdiArea* Area();

    // Load: constructs the window and runs Form_Load, unless it is loaded.
    // nullptr when no window of that name exists in this build.
    static Janela* Carregar(const QString& nome);
    template <class T> static T* Carregar()
    {
        return dynamic_cast<T*>(Carregar(QString::fromLatin1(T::staticMetaObject.className())));
    }
    // The loaded window of that name, or nullptr.
    static Janela* Obter(const QString& nome);
    template <class T> static T* Obter()
    {
        return dynamic_cast<T*>(Obter(QString::fromLatin1(T::staticMetaObject.className())));
    }
    static bool Carregada(const QString& nome) { return Obter(nome) != nullptr; }
    // Unload: Form_Unload, then the window is closed and deleted later.
    static void Descarregar(const QString& nome);
    static void Descarregar(Janela* j);

    // Shows a child window (loading it first if needed) maximized in the MDI
    // area; a window shown for the first time or again after being hidden, or
    // made the active child, runs its activation work.
    static void Mostrar(Janela* j);
    // Brings a child window back to the front as it was, without its
    // activation: a hand-over taken back within the action that made it, so
    // the window never really left.
    static void Restaurar(Janela* j);
    // Hides a child window. Whatever hides or unloads the front child, once
    // the handler that did it is done the window that stood before it comes
    // back to the front, maximized, with its activation (unless another
    // window has been shown meanwhile).
    static void Ocultar(Janela* j);
    static bool Visivel(Janela* j);

    // Shows a dialog modally. Its opening (load and activation) is part of
    // the command that opens it; each command given in the dialog is an action
    // of its own. Tests may install a handler that drives the dialog instead
    // of a modal loop; the call returns when the handler returns, the dialog
    // staying open unless the handler closed it.
    static void ExibirModal(Janela* j);
    using ManipuladorModal = std::function<void(Dialogo*)>;
    static void DefinirManipuladorModal(ManipuladorModal m);

    // Runs the activation work of a child window, unless it is running already.
    static void Ativar(Janela* j);

    // Test hook: forget every loaded window at once (after a test's main window is gone).
    static void Reiniciar();

private:
    static void AoAtivarSubjanela(QMdiSubWindow* sub);
    static void AgendarRetorno();
    static void TrazerAFrente();
    static void Exibir(Janela* j, bool ativar);
};

// Registers a window class's factory at start-up.
#define REGISTRAR_JANELA(Classe)                                                          \
    static const bool registro_##Classe =                                                 \
        Janelas::RegistrarFabrica(QStringLiteral(#Classe), [] { return new Classe(); });
