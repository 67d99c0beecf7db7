#pragma once
#include <QMainWindow>

class BarraStatus;
class QAction;
class QIcon;
class QMdiArea;
class QToolBar;

// The main window: the MDI frame with the menus, the toolbar and the status bar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Menu handlers (the toolbar runs the same ones).
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSalvarComo_Click();
    void mnuFileSair_Click();
    void mnuHelpAbout_Click();
    void tbToolBar_ButtonClick(QAction* botao);
    void sbStatusBar_PanelClick(int indice);

    QMdiArea* Area() const { return m_area; }
    BarraStatus* sbStatusBar() const { return m_barra; }
    QToolBar* tbToolBar() const { return m_toolbar; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void MDIForm_Load();
    void MDIForm_Unload();
    QAction* item(QMenu* menu, const char* nome, const QString& texto, bool ligado);
    QAction* botao(const char* chave, const QString& dica, const QIcon& icone);

    QMdiArea* m_area;
    BarraStatus* m_barra;
    QToolBar* m_toolbar;
};
