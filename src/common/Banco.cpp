#include "common/Banco.h"

#include "common/Mensagens.h"
#include "common/Numeros.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QEvent>
#include <QSqlDriver>
#include <QWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

namespace Banco {

namespace {
QString g_caminhoTeste;
const char* const kNomeConexao = "tessaura";
// How long a user command waits for a file held by another program.
const int kEsperaPadraoMs = 2000;
int kEsperaMs = kEsperaPadraoMs;

// The user action under way: its identity, its kind, its first failure,
// whether that was reported and whether its one wait for the file was spent.
// A reaction (what a box's change runs while the user types) waits only
// briefly and tells nobody of its failure.
struct EstadoAcao {
    quint64 serie = 0;
    TipoAcao tipo = TipoAcao::Leitura;
    Falha falha = Falha::Nenhuma;
    bool avisada = false;
    bool esperaGasta = false;
    bool escreveu = false;
    bool reacao = false;
    // Held by a scope (an Acao, an input of the user, a continuation) or,
    // outside any scope, until control returns to the event loop.
    bool aberta = false;
    // The top-level window of the user's input the action runs for.
    const QObject* janela = nullptr;
};
EstadoAcao g_acao;
int g_profundidade = 0;
quint64 g_series = 0;
bool g_fimAgendado = false;
// Cached rows are valid while their generation is the current one.
quint64 g_geracao = 1;
bool g_cacheAgendado = false;
int g_transacoes = 0;
// The busy timeout the connection has now (-1: not set since it was opened).
int g_esperaDefinida = -1;
int g_esperaDaUltimaFalha = -1;
// Tests: the statement that fails as if the file were held (0: none), how
// many were run since it was armed, and whether it was reached.
int g_falharNo = 0;
int g_comandosContados = 0;
bool g_falhaProvocada = false;

QSqlDatabase conexaoAberta()
{
    return QSqlDatabase::contains(kNomeConexao) ? QSqlDatabase::database(kNomeConexao, false)
                                                : QSqlDatabase();
}

// The wait the next statement gets: none once the action has had its wait,
// a fifth of a second in a reaction, the whole wait otherwise.
int esperaDevida()
{
    if (g_acao.esperaGasta)
        return 0;
    return g_acao.reacao ? EsperaDeReacao() : kEsperaMs;
}

void aplicarEspera()
{
    const int ms = esperaDevida();
    if (ms == g_esperaDefinida)
        return;
    QSqlDatabase db = conexaoAberta();
    if (db.isOpen() && QSqlQuery(db).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms)))
        g_esperaDefinida = ms;
}

// A new action: no failure yet, and the whole wait.
void iniciarAcao(bool reacao = false)
{
    g_acao = EstadoAcao();
    g_acao.serie = ++g_series;
    g_acao.reacao = reacao;
    g_acao.aberta = true;
    aplicarEspera();
}

// Runs f once when control next returns to the event loop, however often it
// is asked for before that (pendente says whether it is asked for already).
void aoVoltarAoLaco(bool& pendente, void (*f)())
{
    if (pendente || !QCoreApplication::instance())
        return;
    pendente = true;
    QTimer::singleShot(0, [&pendente, f] {
        pendente = false;
        f();
    });
}

// Outside any scope, what happens before control returns to the event loop
// counts as one action.
void agendarFimImplicito()
{
    aoVoltarAoLaco(g_fimAgendado, [] {
        if (g_profundidade == 0)
            g_acao.aberta = false;
    });
}

// A statement run outside any scope after the last action ended starts an
// action of its own.
void garantirAcao()
{
    if (g_profundidade == 0 && !g_acao.aberta) {
        iniciarAcao();
        agendarFimImplicito();
    }
}

// Entering and leaving a scope of the action under way; an inner action of
// its own (a reaction, a command in a dialog) keeps the outer one to give
// it back afterwards.
void entrar()
{
    if (g_profundidade++ == 0 && !g_acao.aberta)
        iniciarAcao();
    g_acao.aberta = true;
}

void sair()
{
    if (--g_profundidade == 0)
        g_acao.aberta = false;
}

bool ocupado(const QSqlError& erro)
{
    bool ok = false;
    const int codigo = erro.nativeErrorCode().toInt(&ok) & 0xff;
    if (ok && (codigo == 5 || codigo == 6))  // SQLITE_BUSY, SQLITE_LOCKED
        return true;
    const QString texto = erro.databaseText();
    return texto.contains(QLatin1String("database is locked"))
           || texto.contains(QLatin1String("database table is locked"));
}

void registrarFalha(Falha f)
{
    garantirAcao();
    if (g_acao.falha == Falha::Nenhuma)
        g_acao.falha = f;
    if (f == Falha::Ocupado && !g_acao.esperaGasta) {
        // The action has had its wait: the rest of it fails at once.
        g_esperaDaUltimaFalha = g_esperaDefinida;
        g_acao.esperaGasta = true;
        aplicarEspera();
    }
}

// A file that is no database, is damaged or cannot be opened.
bool inutilizavel(const QSqlError& erro)
{
    bool ok = false;
    const int codigo = erro.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (codigo == 11 || codigo == 14 || codigo == 26);  // CORRUPT, CANTOPEN, NOTADB
}

void registrarErro(const QSqlError& erro)
{
    registrarFalha(ocupado(erro) ? Falha::Ocupado : inutilizavel(erro) ? Falha::Inutilizavel : Falha::Comando);
}

// Tests: true when this statement is the one armed to fail. Statements of a
// reaction are no part of the action and are not counted.
bool falhaProvocadaAgora()
{
    if (g_falharNo <= 0 || g_acao.reacao || ++g_comandosContados != g_falharNo)
        return false;
    g_falhaProvocada = true;
    registrarFalha(Falha::Ocupado);
    return true;
}

void avancarGeracao()
{
    ++g_geracao;
}

// A row read now stays valid until control returns to the event loop.
void agendarInvalidacao()
{
    aoVoltarAoLaco(g_cacheAgendado, avancarGeracao);
}

bool escreve(const QString& sql)
{
    const QString inicio = sql.trimmed().left(8).toUpper();
    return !inicio.startsWith(QLatin1String("SELECT")) && !inicio.startsWith(QLatin1String("PRAGMA"));
}
}  // namespace

Acao::Acao(TipoAcao tipo)
{
    entrar();
    // An inner action that writes makes the whole one a writing action.
    if (static_cast<int>(tipo) > static_cast<int>(g_acao.tipo))
        g_acao.tipo = tipo;
}

Acao::~Acao()
{
    sair();
}

struct AcaoGuardada {
    EstadoAcao acao;
};

AcaoPropria::AcaoPropria(bool reacao) : m_externa(new AcaoGuardada{g_acao})
{
    ++g_profundidade;
    iniciarAcao(reacao);
}

AcaoPropria::~AcaoPropria()
{
    g_acao = m_externa->acao;
    delete m_externa;
    sair();
    aplicarEspera();
}

Reacao::Reacao() : AcaoPropria(true) {}

quint64 AcaoAtual()
{
    return g_acao.serie;
}

Continuacao::Continuacao(quint64 acao)
{
    // The action that left this step behind is taken up again, unless
    // another one has begun since.
    if (g_profundidade == 0)
        g_acao.aberta = acao == g_acao.serie;
    entrar();
}

Continuacao::~Continuacao()
{
    sair();
}

static bool ehComando(QEvent::Type tipo)
{
    return tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonDblClick || tipo == QEvent::KeyPress
           || tipo == QEvent::Shortcut;
}

bool EntradaDoUsuario::Trata(QEvent::Type tipo)
{
    return ehComando(tipo) || tipo == QEvent::MouseButtonRelease || tipo == QEvent::KeyRelease;
}

EntradaDoUsuario::EntradaDoUsuario(QObject* alvo, QEvent::Type tipo)
{
    auto* w = qobject_cast<QWidget*>(alvo);
    const QObject* janela = w ? w->window() : nullptr;
    // Answering a message box is part of the action that showed it.
    const bool caixa = janela && janela->inherits("QMessageBox");
    if (g_profundidade > 0) {
        // A command in a dialog opened by the action under way is an action
        // of its own; the outer one goes on when it ends.
        if (!caixa && ehComando(tipo) && janela && g_acao.janela && janela != g_acao.janela)
            m_propria = std::make_unique<AcaoPropria>(false);
        else
            ++g_profundidade;
    } else {
        // A press, a key or a shortcut is a new command with the whole wait;
        // the release that ends a click belongs to the press's.
        if (ehComando(tipo) && !caixa)
            iniciarAcao();
        else
            g_acao.aberta = true;
        entrar();
    }
    if (!caixa && janela && (m_propria || !g_acao.janela))
        g_acao.janela = janela;
}

EntradaDoUsuario::~EntradaDoUsuario()
{
    if (!m_propria)
        sair();
}

Falha FalhaAtual()
{
    return g_acao.falha;
}

void DefinirEsperaParaTestes(int ms)
{
    kEsperaMs = ms < 0 ? kEsperaPadraoMs : ms;
    aplicarEspera();
}

int EsperaDeComando()
{
    return kEsperaMs;
}

int EsperaDeReacao()
{
    return std::max(1, kEsperaMs / 10);
}

int EsperaDaUltimaFalha()
{
    return g_esperaDaUltimaFalha;
}

void FalharComandoParaTestes(int k)
{
    g_falharNo = k;
    g_comandosContados = 0;
    g_falhaProvocada = false;
}

bool FalhaProvocada()
{
    return g_falhaProvocada;
}

void GravacaoConcluida()
{
    g_acao.tipo = TipoAcao::Leitura;
    g_acao.escreveu = false;
}

void Invalidar()
{
    avancarGeracao();
}

bool AvisarFalha()
{
    if (g_acao.falha == Falha::Nenhuma)
        return false;
    if (g_acao.avisada || g_acao.reacao)
        return true;
    g_acao.avisada = true;
    const QString titulo = QStringLiteral("Análise Tessaura");
    if (g_acao.falha == Falha::Inutilizavel) {
        AvisarBancoInutilizavel();
    } else if (g_acao.tipo == TipoAcao::Salvamento) {
        Mensagens::Mostrar(QStringLiteral("Não foi possível salvar o projeto."),
                           Mensagens::Icone::Critico, Mensagens::Botoes::OK, titulo);
    } else if (g_acao.tipo == TipoAcao::Gravacao || g_acao.escreveu) {
        Mensagens::FalhaDeGravacao();
    } else if (g_acao.falha == Falha::Ocupado) {
        Mensagens::Mostrar(QStringLiteral("O banco de dados \"%1\" está em uso por outro programa. "
                                          "Feche-o e tente novamente.")
                               .arg(QDir::toNativeSeparators(Caminho())),
                           Mensagens::Icone::Critico, Mensagens::Botoes::OK, titulo);
    } else {
        AvisarBancoInutilizavel();
    }
    return true;
}

bool FalhaDeGravacao()
{
    if (static_cast<int>(g_acao.tipo) < static_cast<int>(TipoAcao::Gravacao))
        g_acao.tipo = TipoAcao::Gravacao;
    if (g_acao.falha == Falha::Nenhuma)
        registrarFalha(Falha::Comando);
    return AvisarFalha();
}

namespace {
// Before a statement runs: the action it belongs to, and (in tests) the
// statement armed to fail, which then does not run.
bool antesDe(const QString& sql)
{
    garantirAcao();
    if (!falhaProvocadaAgora())
        return true;
    if (escreve(sql))
        g_acao.escreveu = true;
    return false;
}

// What every statement run through the layer leaves behind: a write makes the
// cached rows stale, a failure is recorded for the action.
bool depoisDe(bool ok, const QString& sql, const QSqlError& erro)
{
    if (escreve(sql)) {
        g_acao.escreveu = true;
        avancarGeracao();
    }
    if (!ok)
        registrarErro(erro);
    return ok;
}
}  // namespace

bool Executar(QSqlQuery& consulta)
{
    if (!antesDe(consulta.lastQuery()))
        return false;
    const bool ok = consulta.exec();
    return depoisDe(ok, consulta.lastQuery(), consulta.lastError());
}

bool Executar(QSqlQuery& consulta, const QString& sql)
{
    if (!antesDe(sql))
        return false;
    const bool ok = consulta.exec(sql);
    return depoisDe(ok, sql, consulta.lastError());
}

bool Executar(const ConexaoPtr& conexao, const QString& sql, const QVariantList& valores,
              int* linhasAfetadas)
{
    if (!conexao)
        return false;
    QSqlQuery q(conexao->db());
    if (!q.prepare(sql)) {
        registrarErro(q.lastError());
        return false;
    }
    for (const QVariant& v : valores)
        q.addBindValue(v);
    const bool ok = Executar(q);
    if (ok && linhasAfetadas)
        *linhasAfetadas = q.numRowsAffected();
    return ok;
}

QString Caminho()
{
    if (!g_caminhoTeste.isEmpty())
        return g_caminhoTeste;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("mdbTessaura.mdb"));
}

void DefinirCaminhoParaTestes(const QString& caminho)
{
    g_caminhoTeste = caminho;
    g_transacoes = 0;
    g_profundidade = 0;
    g_acao = EstadoAcao();
    g_esperaDefinida = -1;
    FalharComandoParaTestes(0);
    avancarGeracao();
    if (QSqlDatabase::contains(kNomeConexao)) {
        {
            QSqlDatabase db = QSqlDatabase::database(kNomeConexao, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(kNomeConexao);
    }
}

static bool arquivoUtilizavel(const QString& caminho)
{
    QFileInfo info(caminho);
    return info.exists() && info.isFile() && info.isReadable() && info.isWritable();
}

ConexaoPtr AbrirSilencioso()
{
    const QString caminho = Caminho();
    if (!arquivoUtilizavel(caminho)) {
        registrarFalha(Falha::Inutilizavel);
        return nullptr;
    }
    QSqlDatabase db;
    if (QSqlDatabase::contains(kNomeConexao)) {
        db = QSqlDatabase::database(kNomeConexao, false);
        if (db.databaseName() != caminho) {
            db.close();
            db.setDatabaseName(caminho);
        }
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kNomeConexao);
        db.setDatabaseName(caminho);
    }
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kEsperaMs));
    if (!db.isOpen()) {
        if (!db.open()) {
            registrarFalha(Falha::Inutilizavel);
            return nullptr;
        }
        g_esperaDefinida = -1;
    }
    garantirAcao();
    aplicarEspera();
    QSqlQuery q(db);
    if (!Executar(q, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name IN "
                                    "('tblTessaura','tblPonderacao','tblSave','tblSaveNome')")))
        return nullptr;
    if (!q.next() || q.value(0).toInt() != 4) {
        registrarFalha(Falha::Inutilizavel);
        return nullptr;
    }
    return std::make_shared<Conexao>(db);
}

void AvisarBancoInutilizavel()
{
    Mensagens::Mostrar(
        QStringLiteral("Não foi possível abrir o banco de dados \"%1\". Verifique se o "
                       "arquivo existe, se pode ser gravado e se não está danificado.")
            .arg(QDir::toNativeSeparators(Caminho())),
        Mensagens::Icone::Critico, Mensagens::Botoes::OK, QStringLiteral("Análise Tessaura"));
}

ConexaoPtr Abrir()
{
    ConexaoPtr c = AbrirSilencioso();
    if (!c)
        AvisarFalha();
    return c;
}

Conexao::Conexao(QSqlDatabase db) : m_db(std::move(db)) {}

const std::vector<std::pair<QString, TipoColuna>>& Conexao::Colunas(const QString& tabela)
{
    auto it = m_colunas.find(tabela);
    if (it != m_colunas.end())
        return *it;
    std::vector<std::pair<QString, TipoColuna>> cols;
    QSqlQuery q(m_db);
    // The table name comes from the program, never from the user; it is still
    // checked against the catalogue before use.
    q.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
    q.addBindValue(tabela);
    if (!Executar(q)) {
        // Not kept: the table is asked about again once the file is free.
        static const std::vector<std::pair<QString, TipoColuna>> nenhuma;
        return nenhuma;
    }
    {
        while (q.next()) {
            const QString nome = q.value(0).toString();
            if (nome.compare(QStringLiteral("id"), Qt::CaseInsensitive) == 0)
                continue;
            const QString tipo = q.value(1).toString().toUpper();
            TipoColuna t = TipoColuna::Texto;
            if (tipo == QLatin1String("INTEGER"))
                t = TipoColuna::Inteiro;
            else if (tipo == QLatin1String("REAL"))
                t = TipoColuna::Real;
            cols.emplace_back(nome, t);
        }
    }
    return *m_colunas.insert(tabela, cols);
}

bool Conexao::TemColuna(const QString& tabela, const QString& coluna, TipoColuna* tipo,
                        QString* nomeReal)
{
    for (const auto& [nome, t] : Colunas(tabela)) {
        if (nome.compare(coluna, Qt::CaseInsensitive) == 0) {
            if (tipo)
                *tipo = t;
            if (nomeReal)
                *nomeReal = nome;
            return true;
        }
    }
    return false;
}

static bool tabelaValida(const ConexaoPtr& c, const QString& tabela)
{
    return c && !c->Colunas(tabela).empty();
}

RecordsetPtr Recordset::Abrir(const ConexaoPtr& conexao, const QString& tabela,
                              const QString& filtro, const QVariantList& parametros)
{
    if (!tabelaValida(conexao, tabela))
        return nullptr;
    QString sql = QStringLiteral("SELECT id FROM %1").arg(tabela);
    if (!filtro.isEmpty())
        sql += QStringLiteral(" WHERE ") + filtro;
    sql += QStringLiteral(" ORDER BY id");
    QSqlQuery q(conexao->db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        registrarErro(q.lastError());
        return nullptr;
    }
    for (const QVariant& p : parametros)
        q.addBindValue(p);
    if (!Executar(q))
        return nullptr;
    RecordsetPtr rs(new Recordset(conexao, tabela));
    while (q.next())
        rs->m_ids.push_back(q.value(0).toLongLong());
    rs->m_pos = 0;
    return rs;
}

RecordsetPtr Recordset::AbrirPorNome(const ConexaoPtr& conexao, const QString& tabela,
                                     const QString& nome)
{
    if (!tabelaValida(conexao, tabela) || !conexao->TemColuna(tabela, QStringLiteral("Nome")))
        return nullptr;
    QSqlQuery q(conexao->db());
    q.setForwardOnly(true);
    if (!Executar(q, QStringLiteral("SELECT id, Nome FROM %1 ORDER BY id").arg(tabela)))
        return nullptr;
    RecordsetPtr rs(new Recordset(conexao, tabela));
    const QString alvo = nome.toCaseFolded();
    while (q.next()) {
        const QVariant v = q.value(1);
        if (!v.isNull() && v.toString().toCaseFolded() == alvo)
            rs->m_ids.push_back(q.value(0).toLongLong());
    }
    rs->m_pos = 0;
    return rs;
}

RecordsetPtr Recordset::AbrirPorId(const ConexaoPtr& conexao, const QString& tabela, qint64 id)
{
    return Abrir(conexao, tabela, QStringLiteral("id = ?"), {id});
}

void Recordset::MoveFirst()
{
    m_atualExcluida = false;
    m_pos = 0;
}

void Recordset::MoveLast()
{
    m_atualExcluida = false;
    m_pos = static_cast<int>(m_ids.size()) - 1;
    if (m_ids.empty())
        m_pos = 0;
}

void Recordset::MoveNext()
{
    if (m_atualExcluida) {
        // The deleted row's successor has taken its place.
        m_atualExcluida = false;
        return;
    }
    if (m_pos < static_cast<int>(m_ids.size()))
        ++m_pos;
}

void Recordset::MovePrevious()
{
    m_atualExcluida = false;
    if (m_pos >= 0)
        --m_pos;
}

bool Recordset::IrParaId(qint64 id)
{
    for (size_t i = 0; i < m_ids.size(); ++i) {
        if (m_ids[i] == id) {
            m_pos = static_cast<int>(i);
            m_atualExcluida = false;
            return true;
        }
    }
    return false;
}

qint64 Recordset::Id() const
{
    return TemLinhaAtual() ? m_ids[static_cast<size_t>(m_pos)] : 0;
}

bool Recordset::Ler() const
{
    m_linha.clear();
    m_idLinha = Id();
    m_geracaoLinha = g_geracao;
    m_falhou = false;
    if (!m_idLinha)
        return true;
    if (!m_leitura) {
        auto q = std::make_shared<QSqlQuery>(m_conexao->db());
        q->setForwardOnly(true);
        if (!q->prepare(QStringLiteral("SELECT * FROM %1 WHERE id = ?").arg(m_tabela))) {
            registrarErro(q->lastError());
            m_falhou = true;
            m_geracaoLinha = 0;
            return false;
        }
        m_leitura = q;
    }
    QSqlQuery& q = *m_leitura;
    q.bindValue(0, m_idLinha);
    if (!Executar(q)) {
        q.finish();
        m_falhou = true;
        m_geracaoLinha = 0;
        return false;
    }
    // A row another program deleted meanwhile reads as all Null.
    if (q.next()) {
        if (m_colunasLinha.isEmpty()) {
            const QSqlRecord r = q.record();
            for (int i = 0; i < r.count(); ++i)
                m_colunasLinha.insert(r.fieldName(i).toCaseFolded(), i);
        }
        const int n = static_cast<int>(m_colunasLinha.size());
        m_linha.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            m_linha.push_back(q.value(i));
    }
    q.finish();
    agendarInvalidacao();
    return true;
}

QVariant Recordset::Campo(const QString& nome) const
{
    if (!TemLinhaAtual())
        return QVariant();
    if (m_idLinha != Id() || m_geracaoLinha != g_geracao)
        Ler();
    const int i = m_colunasLinha.value(nome.toCaseFolded(), -1);
    return i >= 0 && i < static_cast<int>(m_linha.size()) ? m_linha[static_cast<size_t>(i)] : QVariant();
}

bool Recordset::Edit()
{
    if (!TemLinhaAtual())
        return false;
    m_modo = Modo::Editando;
    m_pendentes.clear();
    return true;
}

bool Recordset::AddNew()
{
    m_modo = Modo::Adicionando;
    m_pendentes.clear();
    return true;
}

QVariant ConverterParaColuna(const QVariant& valor, TipoColuna tipo, bool* ok)
{
    *ok = true;
    if (valor.isNull() || !valor.isValid())
        return QVariant();
    const bool ehTexto = valor.typeId() == QMetaType::QString;
    switch (tipo) {
    case TipoColuna::Texto:
        return ehTexto ? valor : QVariant(Numeros::TextoDoCampo(valor));
    case TipoColuna::Real: {
        double v = ehTexto ? Numeros::Ler(valor.toString(), ok) : valor.toDouble(ok);
        if (!*ok || !std::isfinite(v)) {
            *ok = false;
            return QVariant();
        }
        return QVariant(v);
    }
    case TipoColuna::Inteiro: {
        double v = ehTexto ? Numeros::Ler(valor.toString(), ok) : valor.toDouble(ok);
        if (!*ok || !std::isfinite(v))
            break;
        v = Numeros::ArredondarInteiro(v);
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            break;
        return QVariant(static_cast<qlonglong>(v));
    }
    }
    *ok = false;
    return QVariant();
}

bool Recordset::Definir(const QString& nome, const QVariant& valor)
{
    if (m_modo == Modo::Nenhum)
        return false;
    TipoColuna tipo;
    QString coluna;
    if (!m_conexao->TemColuna(m_tabela, nome, &tipo, &coluna))
        return false;
    bool ok = false;
    QVariant convertido = ConverterParaColuna(valor, tipo, &ok);
    if (!ok)
        return false;
    for (auto& [n, v] : m_pendentes) {
        if (n == coluna) {
            v = convertido;
            return true;
        }
    }
    m_pendentes.emplace_back(coluna, convertido);
    return true;
}

bool Recordset::Update()
{
    if (m_modo == Modo::Nenhum)
        return false;
    QSqlQuery q(m_conexao->db());
    bool ok = true;
    if (m_modo == Modo::Editando) {
        if (!m_pendentes.empty()) {
            QStringList sets;
            for (const auto& [n, v] : m_pendentes)
                sets << QStringLiteral("\"%1\" = ?").arg(n);
            q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(m_tabela, sets.join(", ")));
            for (const auto& [n, v] : m_pendentes)
                q.addBindValue(v);
            q.addBindValue(Id());
            ok = Executar(q);
        }
    } else {
        if (m_pendentes.empty()) {
            ok = Executar(q, QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_tabela));
        } else {
            QStringList cols, marcas;
            for (const auto& [n, v] : m_pendentes) {
                cols << QStringLiteral("\"%1\"").arg(n);
                marcas << QStringLiteral("?");
            }
            q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(m_tabela, cols.join(", "), marcas.join(", ")));
            for (const auto& [n, v] : m_pendentes)
                q.addBindValue(v);
            ok = Executar(q);
        }
        if (ok)
            m_ids.push_back(q.lastInsertId().toLongLong());
    }
    m_modo = Modo::Nenhum;
    m_pendentes.clear();
    return ok;
}

void Recordset::CancelUpdate()
{
    m_modo = Modo::Nenhum;
    m_pendentes.clear();
}

bool Recordset::Delete()
{
    if (!TemLinhaAtual())
        return false;
    QSqlQuery q(m_conexao->db());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(m_tabela));
    q.addBindValue(Id());
    if (!Executar(q))
        return false;
    m_ids.erase(m_ids.begin() + m_pos);
    m_atualExcluida = true;
    return true;
}

Transacao::Transacao(const ConexaoPtr& conexao) : m_conexao(conexao)
{
    if (!m_conexao)
        return;
    if (g_transacoes > 0) {
        m_aninhada = m_iniciada = true;
        ++g_transacoes;
        return;
    }
    QSqlQuery q(m_conexao->db());
    m_iniciada = Executar(q, QStringLiteral("BEGIN IMMEDIATE"));
    if (m_iniciada)
        ++g_transacoes;
}

Transacao::~Transacao()
{
    Desfazer();
}

bool Transacao::Confirmar()
{
    if (!m_iniciada)
        return false;
    if (m_aninhada) {
        m_iniciada = false;
        --g_transacoes;
        return true;
    }
    QSqlQuery q(m_conexao->db());
    if (Executar(q, QStringLiteral("COMMIT"))) {
        m_iniciada = false;
        --g_transacoes;
        return true;
    }
    Desfazer();
    return false;
}

void Transacao::Desfazer()
{
    if (!m_iniciada)
        return;
    m_iniciada = false;
    --g_transacoes;
    if (m_aninhada)
        return;  // the outer transaction decides
    // A roll-back is no failure of the action's own; it only undoes.
    QSqlQuery(m_conexao->db()).exec(QStringLiteral("ROLLBACK"));
    avancarGeracao();
}

bool ApagarAlternativas()
{
    ConexaoPtr c = Abrir();
    if (!c || !tabelaValida(c, QStringLiteral("tblTessaura")))
        return false;
    // One statement: every row goes at once, or none does.
    QSqlQuery q(c->db());
    return Executar(q, QStringLiteral("DELETE FROM tblTessaura"));
}

int NumeroDoMarcador(const QString& marcador)
{
    bool ok = false;
    const int n = marcador.mid(3).trimmed().toInt(&ok);
    return ok ? n : 0;
}

}  // namespace Banco
