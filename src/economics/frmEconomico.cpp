#include "economics/frmEconomico.h"

#include "common/Ampulheta.h"
#include "common/Banco.h"
#include "common/BarraStatus.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "common/Numeros.h"
#include "common/Percurso.h"
#include "common/Twips.h"
#include "economics/CalculoEconomico.h"
#include "economics/frmAltEco.h"
#include "economics/planilha/Planilha.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

REGISTRAR_JANELA(frmEconomico)

namespace MT = ModuloTessaura;

namespace {

const QString kTitulo = QStringLiteral("Análise Tessaura");
const char* const kCampos[5] = {"CustoImplantacao", "CustoOperacao", "CustoManutencao", "VidaUtil",
                                "ErroEco"};

void avisar(const QString& texto, Mensagens::Icone icone = Mensagens::Icone::Exclamacao)
{
    Mensagens::Mostrar(texto, icone, Mensagens::Botoes::OK, kTitulo);
}

bool escolhida(const Banco::Recordset& rs)
{
    return rs.Campo(QStringLiteral("Eco")).toInt() == 1;
}

// Walks from the current row to a chosen alternative, at most once round the
// table; the current row is the first candidate when contarAtual holds. Each
// row is read as it is reached: false when one could not be read.
bool buscarEscolhida(Banco::Recordset& rs, Percurso::Direcao d, bool contarAtual, bool* achou)
{
    *achou = false;
    for (int i = 0; i < rs.RecordCount() && !*achou; ++i) {
        if (i > 0 || !contarAtual)
            Percurso::Mover(rs, d);
        if (!rs.Ler())
            return false;
        *achou = escolhida(rs);
    }
    return true;
}

// A stored number: Null stays Null.
bool dado(const QVariant& v, double* valor)
{
    if (!v.isValid() || v.isNull())
        return false;
    bool ok = false;
    *valor = v.toDouble(&ok);
    return ok;
}

struct Escolhida {
    qint64 id = 0;
    CalculoEconomico::Alternativa alternativa;
    QVariant campos[5];
    QVariant PerPC, PerMP;
};

// The chosen alternatives in table order, as stored; false when the table
// could not be read.
bool lerEscolhidas(const Banco::ConexaoPtr& db, std::vector<Escolhida>& r)
{
    Banco::RecordsetPtr rs = db ? Banco::Recordset::Abrir(db, QStringLiteral("tblTessaura")) : nullptr;
    if (!rs)
        return false;
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
        if (!rs->Ler())
            return false;
        if (!escolhida(*rs))
            continue;
        Escolhida e;
        e.id = rs->Id();
        e.alternativa.nome = rs->Campo(QStringLiteral("Nome")).toString();
        for (int i = 0; i < 5; ++i)
            e.campos[i] = rs->Campo(QString::fromLatin1(kCampos[i]));
        e.PerPC = rs->Campo(QStringLiteral("PerPC"));
        e.PerMP = rs->Campo(QStringLiteral("PerMP"));
        r.push_back(e);
    }
    return true;
}


// The first of the costs and the useful life of a chosen alternative read
// that is missing (Null or 0), -1 when none is.
int faltando(const Escolhida& e)
{
    for (int i = 0; i < 4; ++i) {
        double v = 0;
        if (!dado(e.campos[i], &v) || v == 0)
            return i;
    }
    return -1;
}

// Whether each chosen alternative read has its costs and useful life, by row.
void lembrar(QHash<qint64, bool>& completas, const std::vector<Escolhida>& lidas)
{
    completas.clear();
    for (const Escolhida& e : lidas)
        completas.insert(e.id, faltando(e) < 0);
}

}  // namespace

frmEconomico::frmEconomico()
{
    auto rotulo = [this](const char* nome, const QString& texto, QWidget* pai) {
        auto* l = new QLabel(texto, pai);
        l->setObjectName(QString::fromLatin1(nome));
        return l;
    };
    auto caixa = [](const char* nome, QWidget* pai) {
        auto* c = new QLineEdit(pai);
        c->setObjectName(QString::fromLatin1(nome));
        c->setMaximumWidth(Twips::Px(1800));
        return c;
    };
    auto botao = [this](const char* nome, const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    auto moldura = [this](const char* nome, const QString& titulo) {
        auto* g = new QGroupBox(titulo, this);
        g->setObjectName(QString::fromLatin1(nome));
        return g;
    };

    Label1 = rotulo("Label1", QStringLiteral("Análise econômica"), this);
    QFont titulo = font();
    titulo.setPointSize(14);
    titulo.setBold(true);
    Label1->setFont(titulo);

    Frame1 = moldura("Frame1", QStringLiteral("Características da análise"));
    Label6 = rotulo("Label6", QStringLiteral("Taxa de juros anual (%)"), Frame1);
    txtTaxa = caixa("txtTaxa", Frame1);
    Label5 = rotulo("Label5", QStringLiteral("Base de Tempo (anos)"), Frame1);
    txtTempoBase = caixa("txtTempoBase", Frame1);
    auto* g1 = new QGridLayout(Frame1);
    g1->addWidget(Label6, 0, 0);
    g1->addWidget(txtTaxa, 0, 1);
    g1->addWidget(Label5, 1, 0);
    g1->addWidget(txtTempoBase, 1, 1);

    Frame2 = moldura("Frame2", QStringLiteral("Características das alternativas"));
    Label8 = rotulo("Label8", QStringLiteral("Alternativa"), Frame2);
    txtAlternativa = caixa("txtAlternativa", Frame2);
    txtAlternativa->setReadOnly(true);
    txtAlternativa->setMaximumWidth(QWIDGETSIZE_MAX);
    Label2 = rotulo("Label2", QStringLiteral("Custos de implantação ($)"), Frame2);
    txtCustoImplantacao = caixa("txtCustoImplantacao", Frame2);
    Label3 = rotulo("Label3", QStringLiteral("Custos de manutenção ($/ano)"), Frame2);
    txtCustoManutencao = caixa("txtCustoManutencao", Frame2);
    Label4 = rotulo("Label4", QStringLiteral("Custos de operação ($/ano)"), Frame2);
    txtCustoOperacao = caixa("txtCustoOperacao", Frame2);
    Label7 = rotulo("Label7", QStringLiteral("Vida útil (anos)"), Frame2);
    txtVidaUtil = caixa("txtVidaUtil", Frame2);
    Label17 = rotulo("Label17", QStringLiteral("Erro na estimativa do custo (%)"), Frame2);
    txtErroEco = caixa("txtErroEco", Frame2);
    cmdBack = new QPushButton(QStringLiteral("<<"), Frame2);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdFor = new QPushButton(QStringLiteral(">>"), Frame2);
    cmdFor->setObjectName(QStringLiteral("cmdFor"));
    auto* g2 = new QGridLayout(Frame2);
    g2->addWidget(Label8, 0, 0);
    g2->addWidget(txtAlternativa, 0, 1, 1, 2);
    int linha = 1;
    for (auto [r, c] : {std::pair<QLabel*, QLineEdit*>{Label2, txtCustoImplantacao},
                        {Label3, txtCustoManutencao}, {Label4, txtCustoOperacao},
                        {Label7, txtVidaUtil}, {Label17, txtErroEco}}) {
        g2->addWidget(r, linha, 0);
        g2->addWidget(c, linha, 1);
        ++linha;
    }
    auto* setas = new QHBoxLayout();
    setas->addStretch();
    setas->addWidget(cmdBack);
    setas->addWidget(cmdFor);
    g2->addLayout(setas, linha, 0, 1, 3);
    g2->setColumnStretch(2, 1);

    cmdAnalise = botao("cmdAnalise", QStringLiteral("Fazer análise"));
    cmdAnalise->setEnabled(false);

    flexECO = new QTableWidget(this);
    flexECO->setObjectName(QStringLiteral("flexECO"));
    flexECO->setColumnCount(5);
    flexECO->horizontalHeader()->hide();
    flexECO->verticalHeader()->hide();
    flexECO->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flexECO->setSelectionMode(QAbstractItemView::NoSelection);
    flexECO->hide();

    Frame3 = moldura("Frame3", QStringLiteral("Legenda"));
    Label9 = rotulo("Label9", QStringLiteral("CI"), Frame3);
    Label10 = rotulo("Label10", QStringLiteral("Custo total de implantação"), Frame3);
    Label11 = rotulo("Label11", QStringLiteral("CM"), Frame3);
    Label12 = rotulo("Label12", QStringLiteral("Custo total de manutanção"), Frame3);
    Label13 = rotulo("Label13", QStringLiteral("CO"), Frame3);
    Label14 = rotulo("Label14", QStringLiteral("Custo total de operação"), Frame3);
    Label15 = rotulo("Label15", QStringLiteral("CT"), Frame3);
    Label16 = rotulo("Label16", QStringLiteral("Custo total = CI + CM + CO"), Frame3);
    auto* g3 = new QGridLayout(Frame3);
    QLabel* legenda[4][2] = {{Label9, Label10}, {Label11, Label12}, {Label13, Label14}, {Label15, Label16}};
    for (int i = 0; i < 4; ++i) {
        QFont negrito = legenda[i][0]->font();
        negrito.setBold(true);
        legenda[i][0]->setFont(negrito);
        g3->addWidget(legenda[i][0], i, 0);
        g3->addWidget(legenda[i][1], i, 1);
    }
    g3->setColumnStretch(1, 1);
    Frame3->hide();

    cmdGraf = botao("cmdGraf", QStringLiteral("Ver gráfico"));
    cmdGraf->setEnabled(false);
    cmdGraf->hide();
    cmdNumAlt = botao("cmdNumAlt", QStringLiteral("Alterar nº de alternativas"));
    cmdVoltar = botao("cmdVoltar", QStringLiteral("Voltar"));

    auto* esquerda = new QVBoxLayout();
    esquerda->addWidget(Frame1);
    esquerda->addWidget(Frame2);
    esquerda->addWidget(cmdAnalise, 0, Qt::AlignLeft);
    esquerda->addStretch();
    auto* direita = new QVBoxLayout();
    direita->addWidget(flexECO, 1);
    direita->addWidget(Frame3);
    direita->addWidget(cmdGraf, 0, Qt::AlignLeft);
    auto* rodape = new QHBoxLayout();
    rodape->addStretch();
    rodape->addWidget(cmdNumAlt);
    rodape->addWidget(cmdVoltar);

    auto* grade = new QGridLayout(this);
    grade->addWidget(Label1, 0, 0, 1, 2);
    grade->addLayout(esquerda, 1, 0);
    grade->addLayout(direita, 1, 1);
    grade->addLayout(rodape, 2, 0, 1, 2);
    grade->setColumnStretch(1, 1);
    grade->setRowStretch(1, 1);

    txtTaxa->setText(QStringLiteral("10"));
    txtTempoBase->setText(QStringLiteral("30"));

    connect(cmdFor, &QPushButton::clicked, this, &frmEconomico::cmdFor_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmEconomico::cmdBack_Click);
    connect(cmdAnalise, &QPushButton::clicked, this, &frmEconomico::cmdAnalise_Click);
    connect(cmdGraf, &QPushButton::clicked, this, &frmEconomico::cmdGraf_Click);
    connect(cmdNumAlt, &QPushButton::clicked, this, &frmEconomico::cmdNumAlt_Click);
    connect(cmdVoltar, &QPushButton::clicked, this, &frmEconomico::cmdVoltar_Click);
    for (QLineEdit* c : {txtCustoImplantacao, txtCustoManutencao, txtCustoOperacao})
        connect(c, &QLineEdit::textChanged, this, &frmEconomico::VerII);
    connect(txtVidaUtil, &QLineEdit::textChanged, this, &frmEconomico::txtVidaUtil_Change);
}

void frmEconomico::Form_Load()
{
    // The chooser opened the handle; shown without it, the window opens its own.
    // Either way the recordset is taken anew, over the rows as they are now.
    if (!MT::dbEco || !MT::dbEco->db().isOpen())
        MT::dbEco = Banco::Abrir();
    MT::rsEco = MT::dbEco ? Banco::Recordset::Abrir(MT::dbEco, QStringLiteral("tblTessaura")) : nullptr;

    // The first chosen alternative, searching once round the table. A table
    // that cannot be read is told once and the window does not open.
    m_temLinha = false;
    m_naoLida = !MT::rsEco;
    if (MT::rsEco && MT::rsEco->RecordCount() > 0) {
        MT::rsEco->MoveFirst();
        m_naoLida = !buscarEscolhida(*MT::rsEco, Percurso::Direcao::Proxima, true, &m_temLinha);
    }
    m_naoLida = m_naoLida || !LerEscolhidas();
    if (m_naoLida) {
        m_temLinha = false;
        return;
    }
    MostrarLinha();
    VerII();
}

void frmEconomico::Form_Activate()
{
    if (m_naoLida) {
        Janelas::Descarregar(this);
        return;
    }
    if (BarraStatus* barra = MT::sbStatusBar()) {
        PainelStatus* p1 = barra->Painel(1);
        p1->DefinirAutoSize(true);
        p1->DefinirAlinhamentoEsquerda();
        p1->DefinirBevel(PainelStatus::SemBevel);
        p1->setText(QStringLiteral("Análise econômica"));
        for (int p = 2; p <= 5; ++p)
            barra->Painel(p)->setVisible(false);
    }
    if (QAction* dados = MT::BotaoBarra(QStringLiteral("dados")))
        dados->setEnabled(false);
}

void frmEconomico::Form_Unload()
{
    if (Planilha::ExcelAberto())
        Planilha::FechaExcel();
    // The charts live in the workbook: their window goes with this one.
    Janelas::Descarregar(QStringLiteral("frmGrafico"));
    if (QAction* dados = MT::BotaoBarra(QStringLiteral("dados")))
        dados->setEnabled(true);
    // The next showing starts from the chooser's (or its own) new handles.
    MT::rsEco.reset();
    MT::dbEco.reset();
}

void frmEconomico::MostrarLinha()
{
    txtAlternativa->setText(m_temLinha ? MT::rsEco->Campo(QStringLiteral("Nome")).toString() : QString());
    txtAlternativa->setCursorPosition(0);  // a long name shows from its start
    QLineEdit* caixas[5] = {txtCustoImplantacao, txtCustoOperacao, txtCustoManutencao, txtVidaUtil,
                            txtErroEco};
    for (int i = 0; i < 5; ++i) {
        const QVariant v = m_temLinha ? MT::rsEco->Campo(QString::fromLatin1(kCampos[i])) : QVariant();
        caixas[i]->setText(Numeros::TextoDoCampo(v));
    }
}

bool frmEconomico::LerCaixas(Valores* valores, QString* campo) const
{
    const std::pair<QLineEdit*, QLabel*> caixas[5] = {
        {txtCustoImplantacao, Label2}, {txtCustoOperacao, Label4}, {txtCustoManutencao, Label3},
        {txtVidaUtil, Label7}, {txtErroEco, Label17}};
    for (int i = 0; i < 5; ++i) {
        const QString texto = caixas[i].first->text();
        bool ok = true;
        valores->v[i] = texto.isEmpty() ? 0.0 : Numeros::Ler(texto, &ok);
        if (!ok) {
            *campo = caixas[i].second->text();
            return false;
        }
    }
    return true;
}

bool frmEconomico::Armazenar()
{
    if (!m_temLinha || !MT::rsEco)
        return true;
    Valores valores;
    QString campo;
    if (!LerCaixas(&valores, &campo)) {
        avisar(QStringLiteral("O campo \"%1\" deve conter um número.").arg(campo));
        return false;
    }
    if (!Percurso::Gravar(MT::rsEco.get(), [&valores](Banco::Recordset& rs) {
            for (int i = 0; i < 5; ++i)
                rs.Definir(QString::fromLatin1(kCampos[i]), valores.v[i]);
        }))
        return false;
    m_completas[MT::rsEco->Id()] = std::all_of(valores.v, valores.v + 4, [](double v) { return v != 0; });
    return true;
}

bool frmEconomico::LerEscolhidas()
{
    std::vector<Escolhida> lidas;
    if (!lerEscolhidas(MT::dbEco, lidas))
        return false;
    lembrar(m_completas, lidas);
    return true;
}

void frmEconomico::Mover(bool adiante)
{
    // The store and the walk are one action: a row that cannot be read
    // leaves the window on the alternative it shows.
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    if (!m_temLinha || !Armazenar())
        return;
    const auto direcao = adiante ? Percurso::Direcao::Proxima : Percurso::Direcao::Anterior;
    // At most once round the table: with one chosen alternative it comes back to it.
    const qint64 antes = MT::rsEco->Id();
    bool achou = false;
    if (!buscarEscolhida(*MT::rsEco, direcao, false, &achou)) {
        MT::rsEco->IrParaId(antes);
        return;
    }
    MostrarLinha();
}

void frmEconomico::cmdFor_Click()
{
    Mover(true);
}

void frmEconomico::cmdBack_Click()
{
    Mover(false);
}

int frmEconomico::CaixaQueFalta() const
{
    const QLineEdit* caixas[4] = {txtCustoImplantacao, txtCustoOperacao, txtCustoManutencao, txtVidaUtil};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const double v = Numeros::Ler(caixas[i]->text(), &ok);
        if (caixas[i]->text().isEmpty() || (ok && v == 0))
            return i;
    }
    return -1;
}

bool frmEconomico::VerificaECO() const
{
    const qint64 mostrada = m_temLinha ? MT::rsEco->Id() : 0;
    for (auto it = m_completas.cbegin(); it != m_completas.cend(); ++it) {
        if (it.key() == mostrada ? CaixaQueFalta() >= 0 : !it.value())
            return false;
    }
    return true;
}

void frmEconomico::VerII()
{
    cmdAnalise->setEnabled(VerificaECO() && !txtTempoBase->text().isEmpty() && !txtTaxa->text().isEmpty());
}

void frmEconomico::txtVidaUtil_Change()
{
    VerII();
    const QString texto = txtVidaUtil->text();
    bool okVida = false, okBase = false;
    const double vida = Numeros::Ler(texto, &okVida);
    const double base = Numeros::Ler(txtTempoBase->text(), &okBase);
    // A text that is no number is left to the check of the run.
    if (texto.isEmpty() || !okVida || vida == 0 || !okBase)
        return;
    const double q = base / vida;
    if (q != std::floor(q)) {
        Mensagens::Mostrar(QStringLiteral("O tempo de base deve ser um múltiplo da vida util!"),
                           Mensagens::Icone::Critico, Mensagens::Botoes::OK, QStringLiteral("Aviso"));
        txtVidaUtil->setFocus();
        txtVidaUtil->setText(QStringLiteral("0"));
    }
}


bool frmEconomico::Validar(int* tempoBase, double* taxa)
{
    bool ok = false;
    *taxa = Numeros::Ler(txtTaxa->text(), &ok);
    if (!ok || *taxa <= -100) {
        avisar(QStringLiteral("O campo \"%1\" deve conter um número maior que -100.").arg(Label6->text()));
        return false;
    }
    const double base = Numeros::Ler(txtTempoBase->text(), &ok);
    if (!ok || base != std::floor(base) || base < 0 || base > 32767) {
        avisar(QStringLiteral("O campo \"%1\" deve conter um número inteiro de 0 a 32767.").arg(Label5->text()));
        return false;
    }
    *tempoBase = static_cast<int>(base);
    return true;
}

void frmEconomico::cmdAnalise_Click()
{
    Banco::Acao acao(Banco::TipoAcao::Gravacao);
    // Never on a missing value: the alternative on show is checked before
    // anything of it is stored (an empty box would be stored as 0), the others
    // as they are read below.
    const QLabel* rotulos[5] = {Label2, Label4, Label3, Label7, Label17};
    if (const int i = CaixaQueFalta(); m_temLinha && i >= 0) {
        VerII();
        avisar(QStringLiteral("Falta o campo \"%1\" da alternativa \"%2\".")
                   .arg(rotulos[i]->text(), txtAlternativa->text()));
        return;
    }
    if (!Armazenar())
        return;
    int tempoBase = 0;
    double taxa = 0;
    if (!Validar(&tempoBase, &taxa))
        return;

    // Every chosen alternative must hold what the computation needs.
    MT::dbEco = Banco::Abrir();
    if (!MT::dbEco)
        return;  // the database layer has said why
    std::vector<Escolhida> lidas;
    if (!lerEscolhidas(MT::dbEco, lidas))
        return;
    // Rows changed by another program since they were last read count as
    // they are now, for the button too.
    lembrar(m_completas, lidas);
    VerII();
    if (lidas.empty()) {
        avisar(QStringLiteral("Nenhuma alternativa foi escolhida para a análise econômica."));
        return;
    }
    std::vector<CalculoEconomico::Alternativa> escolhidas;
    for (const Escolhida& e : lidas) {
        const QString& nome = e.alternativa.nome;
        if (const int i = faltando(e); i >= 0) {
            avisar(QStringLiteral("Falta o campo \"%1\" da alternativa \"%2\".").arg(rotulos[i]->text(), nome));
            return;
        }
        double v[5] = {0, 0, 0, 0, 0};
        for (int i = 0; i < 5; ++i)
            dado(e.campos[i], &v[i]);  // an error never stored counts as 0
        if (v[3] <= 0) {
            avisar(QStringLiteral("O campo \"%1\" da alternativa \"%2\" deve ser maior que zero.")
                       .arg(Label7->text(), nome));
            return;
        }
        if (tempoBase / v[3] > 32767) {
            avisar(QStringLiteral("O campo \"%1\" da alternativa \"%2\" é pequeno demais para a base de "
                                  "tempo: a base de tempo dividida pela vida útil não pode passar de 32767.")
                       .arg(Label7->text(), nome));
            return;
        }
        CalculoEconomico::Alternativa a = e.alternativa;
        if (!dado(e.PerPC, &a.PerPC) || !dado(e.PerMP, &a.PerMP)) {
            avisar(QStringLiteral("A alternativa \"%1\" ainda não tem os índices globais. Faça a "
                                  "avaliação antes da análise econômica.").arg(nome));
            return;
        }
        a.custos = {v[0], v[1], v[2], v[3]};
        a.erro = v[4];
        escolhidas.push_back(a);
    }

    Ampulheta ampulheta;
    EstadoResultados(true);
    Planilha::AbreExcel();
    MT::NumAltEco = static_cast<short>(escolhidas.size());
    const CalculoEconomico::Resultado r =
        CalculoEconomico::Analisar(escolhidas, tempoBase, taxa, MT::PesoPonderacao);
    CalculoEconomico::EscreverPlanilha(*Planilha::xlSheet(), r);

    static const char* const cabecalhos[5] = {"Alternativa", "CI", "CO", "CM", "CT"};
    flexECO->clearContents();
    flexECO->setRowCount(static_cast<int>(r.grade.size()) + 1);
    for (int c = 0; c < 5; ++c) {
        auto* item = new QTableWidgetItem(QString::fromLatin1(cabecalhos[c]));
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(palette().button());
        flexECO->setItem(0, c, item);
    }
    for (size_t j = 0; j < r.grade.size(); ++j) {
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(r.grade[j][static_cast<size_t>(c)]);
            item->setTextAlignment(Qt::AlignCenter);
            if (c == 0)
                item->setToolTip(item->text());
            flexECO->setItem(static_cast<int>(j) + 1, c, item);
        }
    }
    // The costs take the room they need; the names take the rest (their full
    // text as a tip when it does not fit).
    flexECO->horizontalHeader()->setMinimumSectionSize(Twips::Px(1700) / 2);
    flexECO->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 5; ++c)
        flexECO->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    flexECO->show();
    Frame3->show();
    ampulheta.Restaurar();

    if (!r.semBolha.isEmpty()) {
        QStringList nomes;
        for (const QString& n : r.semBolha)
            nomes << QStringLiteral("\"%1\"").arg(n);
        avisar(QStringLiteral("Não foi possível calcular a performance ou o custo relativo de: %1. Essas "
                              "alternativas ficam sem bolha nos gráficos em que o valor falta.")
                   .arg(nomes.join(QStringLiteral(", "))),
               Mensagens::Icone::Informacao);
    }
}

void frmEconomico::EstadoResultados(bool resultados)
{
    for (QWidget* w : std::initializer_list<QWidget*>{txtTempoBase, txtTaxa, txtAlternativa, cmdFor, cmdBack,
                                                      txtCustoImplantacao, txtCustoOperacao, txtCustoManutencao,
                                                      txtVidaUtil, txtErroEco})
        w->setEnabled(!resultados);
    cmdGraf->setEnabled(resultados);
    cmdGraf->setVisible(resultados);
    cmdVoltar->setText(resultados ? QStringLiteral("OK") : QStringLiteral("Voltar"));
    if (!resultados) {
        flexECO->hide();
        Frame3->hide();
    }
}

void frmEconomico::cmdGraf_Click()
{
    Banco::Acao acao;
    Janelas::Mostrar(Janelas::Carregar(QStringLiteral("frmGrafico")));
}

void frmEconomico::cmdNumAlt_Click()
{
    Banco::Acao acao;
    // What was typed for the alternative on show is kept before the choice changes.
    if (!Armazenar())
        return;
    if (Janela* j = Janelas::Carregar(QStringLiteral("frmAltEco")))
        Janelas::ExibirModal(j);
}

void frmEconomico::cmdVoltar_Click()
{
    Banco::Acao acao;
    if (cmdVoltar->text() == QLatin1String("OK")) {
        EstadoResultados(false);
        return;
    }
    if (!Armazenar())
        return;
    Janelas::Descarregar(this);
}
