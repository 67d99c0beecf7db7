#include "shell/frmMain.h"

#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/Figuras.h"
#include "common/Janelas.h"
#include "common/ModuloTessaura.h"
#include "common/Twips.h"
#include "evaluation/frmCalculoIndices.h"
#include "projects/Projetos.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QToolBar>

namespace MT = ModuloTessaura;

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vazora"));

    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("MDIClient"));
    m_area->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_area);

    // Menus. The switched-off items and menus are shown greyed.
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&Projeto"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* novo = item(mnuFile, "mnuFileNew", QStringLiteral("&Novo"), true);
    novo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* abrir = item(mnuFile, "mnuFileOpen", QStringLiteral("&Abrir..."), false);
    abrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* salvar = item(mnuFile, "mnuFileSave", QStringLiteral("&Salvar"), false);
    QAction* salvarComo = item(mnuFile, "mnuFileSalvarComo", QStringLiteral("Salvar &Como..."), false);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    QAction* sair = item(mnuFile, "mnuFileSair", QStringLiteral("&Sair"), true);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    QAction* sobre = item(mnuHelp, "mnuHelpAbout", QStringLiteral("&About "), true);
    mnuHelp->menuAction()->setEnabled(false);

    QMenu* mnuObjetivo = menuBar()->addMenu(QStringLiteral("&Objetivo"));
    mnuObjetivo->setObjectName(QStringLiteral("mnuObjetivo"));
    mnuObjetivo->menuAction()->setObjectName(QStringLiteral("mnuObjetivo"));
    item(mnuObjetivo, "mnuObjetivoAproveitar", QStringLiteral("Aproveitar dados"), true);
    item(mnuObjetivo, "mnuObjetivoInformacoes", QStringLiteral("Informações"), true);
    mnuObjetivo->menuAction()->setEnabled(false);

    connect(novo, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(abrir, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(salvar, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(salvarComo, &QAction::triggered, this, &frmMain::mnuFileSalvarComo_Click);
    connect(sair, &QAction::triggered, this, &frmMain::mnuFileSair_Click);
    connect(sobre, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);

    // Toolbar: picture buttons without captions, identified by their keys.
    m_toolbar = addToolBar(QStringLiteral("tbToolBar"));
    m_toolbar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QStyle* estilo = style();
    botao("new", QStringLiteral("Novo projeto"), QIcon(Figuras::NovoProjeto()));
    botao("salvar", QStringLiteral("Salvar projeto"), estilo->standardIcon(QStyle::SP_DialogSaveButton));
    botao("abrir", QStringLiteral("Abrir projeto"), estilo->standardIcon(QStyle::SP_DialogOpenButton));
    m_toolbar->addSeparator();
    botao("sair", QStringLiteral("Sair"), estilo->standardIcon(QStyle::SP_DialogCloseButton));
    botao("dados", QStringLiteral("Dados utilizados"), estilo->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(m_toolbar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);

    m_barra = new BarraStatus(this);
    setStatusBar(m_barra);
    connect(m_barra, &BarraStatus::PanelClick, this, &frmMain::sbStatusBar_PanelClick);

    // Restored, the window has a client area of 8745 x 5280 twips, centred.
    resize(Twips::Px(8745), Twips::Px(5280));
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    setWindowState(Qt::WindowMaximized);

    Janelas::DefinirPrincipal(this, m_area);
    MDIForm_Load();
}

frmMain::~frmMain()
{
    if (Janelas::Principal() == this)
        Janelas::DefinirPrincipal(nullptr, nullptr);
}

QAction* frmMain::item(QMenu* menu, const char* nome, const QString& texto, bool ligado)
{
    QAction* a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nome));
    a->setEnabled(ligado);
    return a;
}

QAction* frmMain::botao(const char* chave, const QString& dica, const QIcon& icone)
{
    // The picture at the bar's size, and its faded copy for the switched-off
    // button: the style's own disabled look is hard to tell from the normal one.
    const QPixmap normal = icone.pixmap(m_toolbar->iconSize(), devicePixelRatioF());
    QIcon duplo(normal);
    duplo.addPixmap(Figuras::Desbotada(normal), QIcon::Disabled);
    QAction* a = m_toolbar->addAction(duplo, QString());
    a->setObjectName(QString::fromLatin1(chave));
    a->setToolTip(dica);
    return a;
}

void frmMain::MDIForm_Load()
{
    MT::BotaoBarra(QStringLiteral("dados"))->setEnabled(false);
    MT::BotaoBarra(QStringLiteral("abrir"))->setEnabled(false);
    MT::Reentrada = false;
    MT::ProjetoEmAndamento = false;
}

void frmMain::mnuFileNew_Click()
{
    // Emptying the table writes rows: a file held by another program gets the
    // failed-write message once and leaves the project and its windows as they are.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (!Banco::ApagarAlternativas())
        return;
    static const char* const janelas[] = {
        "frmAbrir",     "frmAlterar",     "frmApagarPon", "frmCalculoIndices", "frmDadosUtilizados",
        "frmEconomico", "frmGrafico",     "frmImpacto",   "frmInformacaoPonderacao",
        "frmInicio",    "frmInsercao",    "frmObjetivo",  "frmPesoPond",       "frmPOP",
        "frmSalvar",    "frmSenha",       "frmSeriesGraf", "frmSplash",        "frmTipoEntradaDados"};
    for (const char* nome : janelas)
        Janelas::Descarregar(QString::fromLatin1(nome));

    // A new project starts without a name, so its first save asks for one.
    setWindowTitle(QStringLiteral("Vazora"));
    MT::NomeProjeto.clear();
    MT::SenhaDigitada.clear();
    MT::ResponsavelProjeto.clear();
    MT::DescricaoProjeto.clear();

    Janelas::Mostrar(Janelas::Carregar(QStringLiteral("frmInicio")));
}

void frmMain::mnuFileOpen_Click()
{
    Banco::Acao acao;
    if (Janela* j = Janelas::Carregar(QStringLiteral("frmAbrir")))
        Janelas::ExibirModal(j);
}

void frmMain::mnuFileSave_Click()
{
    MT::PedirNomeAoSalvar = windowTitle() == QLatin1String("Vazora");
    Projetos::SalvarProjeto();
}

void frmMain::mnuFileSalvarComo_Click()
{
    MT::PedirNomeAoSalvar = true;
    Projetos::SalvarProjeto();
}

void frmMain::mnuFileSair_Click()
{
    close();
}

void frmMain::mnuHelpAbout_Click()
{
    Banco::Acao acao;
    // The economic analysis reads the stored indices: a results window whose
    // last run could not finish runs again first.
    if (auto* calculo = Janelas::Obter<frmCalculoIndices>(); calculo && !calculo->TornarAtual())
        return;
    if (Janela* j = Janelas::Carregar(QStringLiteral("frmEconomico")))
        Janelas::Mostrar(j);
}

void frmMain::tbToolBar_ButtonClick(QAction* botao)
{
    Banco::Acao acao;
    const QString chave = botao->objectName();
    if (chave == QLatin1String("abrir")) {
        mnuFileOpen_Click();
    } else if (chave == QLatin1String("new")) {
        mnuFileNew_Click();
    } else if (chave == QLatin1String("salvar")) {
        mnuFileSave_Click();
    } else if (chave == QLatin1String("sair")) {
        mnuFileSair_Click();
    } else if (chave == QLatin1String("dados")) {
        if (Janela* j = Janelas::Carregar(QStringLiteral("frmDadosUtilizados")))
            Janelas::Mostrar(j);
    }
}

void frmMain::sbStatusBar_PanelClick(int indice)
{
    if (indice < 3 || indice > 5)
        return;
    Janela* calculo = Janelas::Obter(QStringLiteral("frmCalculoIndices"));
    if (!calculo)
        return;
    QWidget* w = calculo->Widget();
    auto mudar = [w](const char* nome, int visivel) {
        // visivel: 1 shown, 0 hidden, -1 unchanged
        if (visivel < 0)
            return;
        if (QWidget* c = w->findChild<QWidget*>(QString::fromLatin1(nome)))
            c->setVisible(visivel == 1);
    };
    mudar("Image1", 0);
    mudar("Frame1", indice == 3 ? 1 : 0);
    mudar("Frame2", indice == 4 ? 1 : 0);
    mudar("Frame3", indice == 3 ? -1 : 0);
    mudar("Frame5", indice == 5 ? 1 : 0);
    for (int p = 3; p <= 5; ++p)
        m_barra->Painel(p)->DefinirBevel(p == indice ? PainelStatus::Inset : PainelStatus::Raised);
}

void frmMain::closeEvent(QCloseEvent* e)
{
    MDIForm_Unload();
    e->accept();
}

void frmMain::MDIForm_Unload()
{
    if (!(windowState() & Qt::WindowMinimized)) {
        QSettings s(QStringLiteral("Vazora"), QStringLiteral("Vazora"));
        s.beginGroup(QStringLiteral("Settings"));
        const QRect g = frameGeometry();
        s.setValue(QStringLiteral("MainLeft"), QString::number(g.x() * Twips::PorPixel));
        s.setValue(QStringLiteral("MainTop"), QString::number(g.y() * Twips::PorPixel));
        s.setValue(QStringLiteral("MainWidth"), QString::number(g.width() * Twips::PorPixel));
        s.setValue(QStringLiteral("MainHeight"), QString::number(g.height() * Twips::PorPixel));
        s.endGroup();
        s.sync();
    }
    Janelas::Reiniciar();
}
