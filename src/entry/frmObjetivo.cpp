#include "entry/frmObjetivo.h"

#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Passagem.h"
#include "common/PortaoAvancar.h"
#include "common/Twips.h"
#include "entry/CaixaNumerica.h"
#include "entry/DesenhoEntrada.h"
#include "entry/JanelaEntrada.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>

REGISTRAR_JANELA(frmObjetivo)

namespace MT = ModuloTessaura;

namespace {

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto)
{
    auto* r = new QLabel(texto, pai);
    r->setObjectName(QString::fromLatin1(nome));
    r->setTextFormat(Qt::PlainText);
    return r;
}

// A label at a position in twips, as wide as its text.
QLabel* rotuloEm(QWidget* pai, const char* nome, const QString& texto, int left, int top)
{
    QLabel* r = rotulo(pai, nome, texto);
    r->move(Twips::Px(left), Twips::Px(top));
    r->adjustSize();
    return r;
}

QFont fonte(int pontos, bool negrito = false)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(pontos);
    f.setBold(negrito);
    return f;
}

// A subscript label set into the blanks after the "T" that starts a legend.
QLabel* indiceApos(QWidget* pai, const char* nome, const QString& texto, QLabel* legenda)
{
    QLabel* r = rotulo(pai, nome, texto);
    r->setFont(fonte(7));
    DesenhoEntrada::encaixar(legenda, nullptr, r);
    r->raise();
    return r;
}

// A row of controls laid side by side, at a position in twips.
QHBoxLayout* linhaEm(QWidget* pai, int left, int top, int width, int height)
{
    auto* linha = new QWidget(pai);
    Twips::Posicionar(linha, left, top, width, height);
    auto* l = new QHBoxLayout(linha);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(6);
    return l;
}

// The symbol before a box: "T", its subscript and "=", then the box.
void linhaDaCaixa(QWidget* pai, int top, QLabel* t, QLabel* indice, QLabel* igual,
                  CaixaNumerica* caixa)
{
    QHBoxLayout* l = linhaEm(pai, 720, top, 3600, 420);
    t->setFont(fonte(10, true));
    indice->setFont(fonte(7, true));
    igual->setFont(fonte(10, true));
    caixa->setFixedWidth(Twips::Px(1500));
    // Both subscripts take the room of the wider one, so the two boxes line up.
    indice->setFixedWidth(QFontMetrics(indice->font()).horizontalAdvance(QStringLiteral("RD")) + 2);
    l->setSpacing(2);
    l->addWidget(t, 0, Qt::AlignVCenter);
    l->addWidget(indice, 0, Qt::AlignBottom);
    l->addSpacing(6);
    l->addWidget(igual, 0, Qt::AlignVCenter);
    l->addSpacing(6);
    l->addWidget(caixa, 0, Qt::AlignVCenter);
    l->addStretch();
}

const QString AvisoBotao =
    QStringLiteral("Selecione o campo onde você quer aproveitar os dados de outras alternativas");

}  // namespace

frmObjetivo::frmObjetivo()
{
    setFont(fonte(9));

    Label1 = rotuloEm(this, "Label1", QStringLiteral("Critério \"Objetivo\" "), 360, 240);
    Label1->setFont(fonte(14, true));
    Label1->adjustSize();

    Label2 = rotulo(this, "Label2",
                    QStringLiteral("Para a avaliação desse critério, serão utilizados aspectos "
                                   "hidrológicos, tais como o tempo de retorno para o qual é "
                                   "dimensionado o sistema de drenagem e o risco de falha assumido "
                                   "para o projeto. A partir de uma relação entre esses dois "
                                   "aspectos, o programa irá desenvolver o indicador de objetivo."));
    Label2->setWordWrap(true);
    Label2->move(Twips::Px(360), Twips::Px(840));
    Label2->resize(Twips::Px(9600), Label2->heightForWidth(Twips::Px(9600)));

    Label3 = rotuloEm(this, "Label3",
                      QStringLiteral("Você deve informar para cada alternativa os seguintes dados:"),
                      360, 1860);

    Label4 = rotuloEm(this, "Label4", QStringLiteral("T     = Tempo de retorno de projeto"), 720,
                      2280);
    Label7 = indiceApos(this, "Label7", QStringLiteral("R"), Label4);
    Label5 = rotuloEm(this, "Label5", QStringLiteral("T     = Tempo de retorno desejável"), 720,
                      2640);
    Label6 = indiceApos(this, "Label6", QStringLiteral("RD"), Label5);

    // The counter line and the name of the alternative on show.
    QHBoxLayout* lc = linhaEm(this, 360, 3240, 9600, 330);
    Label16 = rotulo(this, "Label16", QStringLiteral("Alternativa:"));
    Label20 = rotulo(this, "Label20", QStringLiteral("TT"));
    Label19 = rotulo(this, "Label19", QStringLiteral("de"));
    Label18 = rotulo(this, "Label18", QStringLiteral("TT"));
    for (QLabel* r : {Label16, Label20, Label19, Label18}) {
        r->setFont(fonte(9, true));
        lc->addWidget(r);
    }
    lc->addStretch();

    QHBoxLayout* ln = linhaEm(this, 360, 3600, 9600, 330);
    Label8 = rotulo(this, "Label8", QStringLiteral("Nome:"));
    Label8->setFont(fonte(9, true));
    Label15 = rotulo(this, "Label15", QString());
    ln->addWidget(Label8);
    ln->addWidget(Label15, 1);

    // The two boxes, first and second in the tab order.
    Text1 = new CaixaNumerica(CaixaNumerica::Filtro::Inteiro, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new CaixaNumerica(CaixaNumerica::Filtro::Inteiro, this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Label9 = rotulo(this, "Label9", QStringLiteral("T"));
    Label11 = rotulo(this, "Label11", QStringLiteral("R"));
    Label13 = rotulo(this, "Label13", QStringLiteral("="));
    Label10 = rotulo(this, "Label10", QStringLiteral("T"));
    Label12 = rotulo(this, "Label12", QStringLiteral("RD"));
    Label14 = rotulo(this, "Label14", QStringLiteral("="));
    linhaDaCaixa(this, 4140, Label9, Label11, Label13, Text1);
    linhaDaCaixa(this, 4680, Label10, Label12, Label14, Text2);

    Command1 = new QPushButton(QStringLiteral("<  Anterior"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Twips::Posicionar(Command1, 360, 5400, 1800, 435);
    Command2 = new QPushButton(QStringLiteral("Próxima  >"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Twips::Posicionar(Command2, 2280, 5400, 1800, 435);

    Label17 = rotuloEm(
        this, "Label17",
        QStringLiteral("Tecle F5 para aproveitar os dados fornecidos para as outras alternativas."),
        360, 6060);
    Label17->setFont(fonte(8));
    Label17->adjustSize();

    Label21 = rotulo(this, "Label21",
                     QStringLiteral("Você deverá preencher os dados referentes as outras alternativas "
                                    "depois. Agora você deve avançar e completar a entrada de dados "
                                    "para esta alternativa."));
    Label22 = rotulo(this, "Label22",
                     QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados "
                                    "referentes a esta alternativa foram fornecidos. "));
    Label43 = rotulo(this, "Label43",
                     QStringLiteral("O botão 'Avançar' estará disponível quando todos os dados, "
                                    "referentes à todas alternativas estudadas, forem fornecidos."));
    Label47 = rotulo(this, "Label47",
                     QStringLiteral("Os dados de todas as alternativas foram fornecidos. Você já pode "
                                    "passar para a próxima etapa."));
    for (QLabel* r : {Label21, Label22, Label43, Label47})
        r->hide();

    Portao = new PortaoAvancar(this);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command2);
    setTabOrder(Command2, Command1);

    connect(Command1, &QPushButton::clicked, this, &frmObjetivo::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmObjetivo::Command2_Click);
    connect(Portao->CommandButton1, &QPushButton::clicked, this, &frmObjetivo::CommandButton1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &frmObjetivo::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &frmObjetivo::Text2_Change);
    connect(Text1, &CaixaNumerica::KeyDown, this, [this](int tecla) { Text1_KeyDown(tecla); });
    connect(Text2, &CaixaNumerica::KeyDown, this, [this](int tecla) { Text2_KeyDown(tecla); });
    connect(Portao, &PortaoAvancar::Label44_MouseMove, this, &frmObjetivo::Label44_MouseMove);
    Command1->installEventFilter(this);
    Command2->installEventFilter(this);
    Portao->CommandButton1->installEventFilter(this);
}

void frmObjetivo::Form_Load()
{
    Portao->DefinirDicaVisivel(false);
    MT::ObjetivoCarregado = true;
}

void frmObjetivo::Form_Unload()
{
    MT::ObjetivoCarregado = false;
}

Banco::Recordset* frmObjetivo::LinhaMostrada() const
{
    return JanelaEntrada::RegistroMostrado(MT::rsObjetivo);
}

MapaObjetivo::Textos frmObjetivo::Caixas() const
{
    return {Text1->text(), Text2->text()};
}

void frmObjetivo::MostrarCaixas(const MapaObjetivo::Textos& t)
{
    Text1->setText(t.tr);
    Text2->setText(t.trd);
}

void frmObjetivo::Esvaziar()
{
    Text1->clear();
    Text2->clear();
}

void frmObjetivo::MostrarContador(const Banco::Recordset& rs)
{
    const QString numero = rs.Campo(QStringLiteral("Marcador")).toString().mid(3);
    Label20->setText(numero);
    // A Null name cannot be shown: the label keeps what it holds, as in the
    // impact window.
    const QVariant nome = rs.Campo(QStringLiteral("Nome"));
    if (!nome.isNull())
        Label15->setText(nome.toString());
    MT::MostrarAlternativaNaBarra(numero, MT::NumeroAlternativas);
}

void frmObjetivo::Form_Activate()
{
    // Nothing of a row is shown unless it could be read; a file held by
    // another program leaves the window as it was, and the next activation
    // tries again.
    Banco::Acao acao;
    if (m_preparado) {
        // Back from another window: the alternative on show, its boxes and
        // the statuses stay; the counters follow it.
        Banco::Recordset* rs = LinhaMostrada();
        if (rs && rs->TemLinhaAtual() && rs->Ler())
            MostrarContador(*rs);
        return;
    }

    if (MT::Reentrada) {
        if (MT::EntradaPorAlternativa) {
            Command1->setEnabled(false);
            Command2->setEnabled(false);
        }
        if (MT::rsAlternativas && MT::rsAlternativas->TemLinhaAtual()) {
            if (!MT::rsAlternativas->Ler())
                return;
            MostrarContador(*MT::rsAlternativas);
        }
        Label18->setText(QString::number(MT::NumeroAlternativas));
        Text1->setFocus();
        m_preparado = true;
        return;
    }

    if (!JanelaEntrada::AbrirRegistros(MT::dbObjetivo, MT::rsObjetivo))
        return;
    TotalAlternativas = static_cast<short>(MT::rsObjetivo->RecordCount());
    Label18->setText(QString::number(TotalAlternativas));
    m_status.Dimensionar(TotalAlternativas);
    Banco::Recordset* rs = LinhaMostrada();
    if (rs && rs->TemLinhaAtual())
        MostrarContador(*rs);
    Text1->setFocus();
    if (MT::EntradaPorAlternativa) {
        Command1->setEnabled(false);
        Command2->setEnabled(false);
    }
    m_preparado = true;
}

void frmObjetivo::Avaliar()
{
    TRFornecido = MapaObjetivo::Fornecido(Text1->text());
    TRDFornecido = MapaObjetivo::Fornecido(Text2->text());
    Banco::Recordset* rs = MT::rsObjetivo.get();
    if (rs && rs->TemLinhaAtual())
        m_status.Marcar(Banco::NumeroDoMarcador(rs->Campo(QStringLiteral("Marcador")).toString()),
                        TRFornecido && TRDFornecido);
    // Without any alternative there is nothing to hand on.
    TodosCompletos = m_status.Total() > 0 && m_status.TodosCompletos();
    Portao->Definir(TodosCompletos, Label47->text());
}

void frmObjetivo::GravarLinha(Banco::Recordset& rs)
{
    MapaObjetivo::Gravar(rs, Caixas());
}

void frmObjetivo::MostrarLinha(Banco::Recordset& rs)
{
    if (!rs.TemLinhaAtual())
        return;
    MostrarCaixas(MapaObjetivo::Ler(rs));
    MostrarContador(rs);
}

void frmObjetivo::Passo(Percurso::Direcao d)
{
    // Without a row to store into (no database, no alternatives) the boxes keep their text.
    Banco::Recordset* rs = MT::rsObjetivo.get();
    if (MT::EntradaPorAlternativa || !rs || !rs->TemLinhaAtual())
        return;
    Percurso::Etapas e;
    e.avaliar = [this] { Avaliar(); };
    e.gravar = [this](Banco::Recordset& rs) { GravarLinha(rs); };
    e.esvaziar = [this] { Esvaziar(); };
    e.mostrar = [this](Banco::Recordset& rs) { MostrarLinha(rs); };
    Percurso::Passo(rs, d, e);
}

void frmObjetivo::Command1_Click()
{
    Passo(Percurso::Direcao::Anterior);
}

void frmObjetivo::Command2_Click()
{
    Passo(Percurso::Direcao::Proxima);
}

void frmObjetivo::CommandButton1_Click()
{
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (!MT::EntradaPorAlternativa) {
        // What was typed after the last step is stored before the hand-over;
        // a store or a read that fails hands nothing on.
        if (!Percurso::Gravar(MT::rsObjetivo.get(), [this](Banco::Recordset& rs) { GravarLinha(rs); }))
            return;
        Avaliar();
        if (Banco::HouveFalha())
            return;
    }
    if (Portao->Aberto())
        Passagem(this).Para(QStringLiteral("frmImpacto"));
}

void frmObjetivo::Text1_Change()
{
    if (!MT::EntradaPorAlternativa)
        return;
    Portao->Definir(MapaObjetivo::Completo(Caixas()), Label21->text());
}

void frmObjetivo::Text2_Change()
{
    Text1_Change();
}

void frmObjetivo::PedirDado(CaixaNumerica* caixa, const QString& indice, const QString& campo)
{
    JanelaEntrada::PedirDado(caixa, MT::rsObjetivo,
                             {QStringLiteral("Objetivo"), QStringLiteral("T"), QString(), indice,
                              QStringLiteral("ano"), campo});
}

void frmObjetivo::Text1_KeyDown(int tecla)
{
    if (tecla == Qt::Key_F5)
        PedirDado(Text1, QStringLiteral("r"), QStringLiteral("TR"));
}

void frmObjetivo::Text2_KeyDown(int tecla)
{
    if (tecla == Qt::Key_F5)
        PedirDado(Text2, QStringLiteral("RD"), QStringLiteral("TRD"));
}

void frmObjetivo::AvisoF5(int tecla)
{
    if (tecla == Qt::Key_F5)
        Mensagens::Mostrar(AvisoBotao, Mensagens::Icone::Informacao, Mensagens::Botoes::OK,
                           QStringLiteral("Tessaura"));
}

void frmObjetivo::Command1_KeyDown(int tecla) { AvisoF5(tecla); }
void frmObjetivo::Command2_KeyDown(int tecla) { AvisoF5(tecla); }
void frmObjetivo::CommandButton1_KeyDown(int tecla) { AvisoF5(tecla); }

void frmObjetivo::Label44_MouseMove()
{
    Portao->MostrarDica(MT::EntradaPorAlternativa ? Label22->text() : Label43->text());
}

void frmObjetivo::PreencherDe(Banco::Recordset& origem)
{
    const MapaObjetivo::Textos t = MapaObjetivo::Ler(origem);
    Esvaziar();
    MostrarCaixas(t);
}

bool frmObjetivo::eventFilter(QObject* obj, QEvent* ev)
{
    if (ev->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(ev)->key();
        if (obj == Command1)
            Command1_KeyDown(tecla);
        else if (obj == Command2)
            Command2_KeyDown(tecla);
        else if (obj == Portao->CommandButton1)
            CommandButton1_KeyDown(tecla);
    }
    return Formulario::eventFilter(obj, ev);
}
