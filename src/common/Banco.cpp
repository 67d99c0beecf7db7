#include "common/Banco.h"

#include "common/BancoTestes.h"
#include "common/Numeros.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace Banco {

namespace {
// Why the first failing statement of an action failed.
enum class Falha { Nenhuma, Ocupado, Inutilizavel, Comando };

QString g_caminhoTeste;
const char* const kNomeConexao = "tessaura";
// How long a command waits for a file held by another program; a reaction
// waits a tenth of it.
const int kEsperaPadraoMs = 2000;
int g_esperaMs = kEsperaPadraoMs;

int esperaDeReacao()
{
    return std::max(1, g_esperaMs / 10);
}

// The action under way.
struct EstadoAcao {
    bool aberta = false;
    // Opened by a command's handler; otherwise a reaction, until control
    // returns to the event loop.
    bool comando = false;
    TipoAcao tipo = TipoAcao::Leitura;
    bool escreveu = false;
    // The command has told the user its write is done: whatever fails after
    // that is no failed write.
    bool concluida = false;
    // The first failure, and what the action was doing when it came: that
    // decides its message, whatever the action goes on to do.
    Falha falha = Falha::Nenhuma;
    TipoAcao tipoDaFalha = TipoAcao::Leitura;
    bool falhaAposConclusao = false;
    // The action's one wait for a held file: when it runs out (-1 until a
    // statement first finds the file held), and whether a statement has
    // failed for a held file, after which the rest fails at once.
    qint64 prazo = -1;
    bool esperaGasta = false;
    std::vector<std::function<void()>> aoTerminar;
    Testes::Registro registro;
};
EstadoAcao g_acao;
// The nested Acao scopes of the command under way.
int g_profundidade = 0;
bool g_fimDaReacaoAgendado = false;
std::function<void(Aviso)>& avisador()
{
    static std::function<void(Aviso)> a;
    return a;
}
// Cached rows are valid while their generation is the current one.
quint64 g_geracao = 1;
bool g_cacheAgendado = false;
int g_transacoes = 0;
// Tests: the statement that fails as if the file were held (0: none), how
// many were run since it was armed and whether it was reached; the actions
// ended, once a test asked for them.
struct {
    int falharNo = 0;
    int contados = 0;
    bool provocada = false;
    bool registrar = false;
    std::vector<Testes::Registro> registros;
} g_testes;

QElapsedTimer& relogio()
{
    static QElapsedTimer r;
    if (!r.isValid())
        r.start();
    return r;
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

void iniciar(bool comando)
{
    g_acao = EstadoAcao();
    g_acao.aberta = true;
    g_acao.comando = comando;
}

// The message the action's failure gets.
Aviso avisoDaFalha()
{
    if (g_acao.falha == Falha::Inutilizavel)
        return Aviso::ArquivoInutilizavel;
    if (g_acao.falhaAposConclusao)
        return Aviso::ArquivoEmUso;
    if (g_acao.tipoDaFalha == TipoAcao::Salvamento)
        return Aviso::ProjetoNaoSalvo;
    if (g_acao.tipoDaFalha == TipoAcao::Gravacao)
        return Aviso::GravacaoFalhou;
    return g_acao.falha == Falha::Ocupado ? Aviso::ArquivoEmUso : Aviso::ArquivoInutilizavel;
}

// The end of the action under way: a command's steps left to its end run
// within it, then its failure is told once. The action is under way until
// its message has been answered.
void terminar()
{
    if (!g_acao.aberta)
        return;
    ++g_profundidade;
    while (g_acao.comando && !g_acao.aoTerminar.empty()) {
        const auto passos = std::move(g_acao.aoTerminar);
        g_acao.aoTerminar.clear();
        for (const auto& passo : passos)
            passo();
    }
    Testes::Registro& r = g_acao.registro;
    r.comando = g_acao.comando;
    r.falhou = g_acao.falha != Falha::Nenhuma;
    r.avisou = r.falhou && g_acao.comando && avisador();
    if (r.avisou)
        avisador()(avisoDaFalha());
    if (g_testes.registrar)
        g_testes.registros.push_back(r);
    --g_profundidade;
    g_acao = EstadoAcao();
}

// A statement outside any command belongs to a reaction, which lasts until
// control returns to the event loop.
void garantirAcao()
{
    if (g_acao.aberta)
        return;
    iniciar(false);
    aoVoltarAoLaco(g_fimDaReacaoAgendado, [] {
        if (g_profundidade == 0 && !g_acao.comando)
            terminar();
    });
}

// SQLite asks, each time a statement finds the file held, whether to try
// again: while the action's one wait lasts, after a short pause.
int aoEncontrarOcupado(void*, int)
{
    // A statement of the layer's always runs within an action.
    EstadoAcao& a = g_acao;
    if (!a.aberta || a.esperaGasta)
        return 0;
    const qint64 agora = relogio().elapsed();
    if (a.prazo < 0) {
        const int espera = a.comando ? g_esperaMs : esperaDeReacao();
        a.prazo = agora + espera;
        if (a.registro.esperas++ == 0)
            a.registro.espera = espera;
    }
    if (agora >= a.prazo)
        return 0;
    const qint64 antes = relogio().nsecsElapsed();
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(a.prazo - agora, 2)));
    a.registro.esperado += static_cast<double>(relogio().nsecsElapsed() - antes) / 1e6;
    return 1;
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
    if (g_acao.falha == Falha::Nenhuma) {
        g_acao.falha = f;
        g_acao.falhaAposConclusao = g_acao.concluida;
        g_acao.tipoDaFalha = g_acao.escreveu ? std::max(g_acao.tipo, TipoAcao::Gravacao) : g_acao.tipo;
    }
    // The action has had its wait: the rest of it fails at once.
    if (f == Falha::Ocupado)
        g_acao.esperaGasta = true;
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

bool escreve(const QString& sql)
{
    const QString inicio = sql.trimmed().left(8).toUpper();
    return !inicio.startsWith(QLatin1String("SELECT")) && !inicio.startsWith(QLatin1String("PRAGMA"));
}

// Tests: true when this statement is the one armed to fail. A reaction's
// statements are no part of a command and are not counted.
bool falhaProvocadaAgora(const QString& sql)
{
    if (g_testes.falharNo <= 0 || !g_acao.comando || ++g_testes.contados != g_testes.falharNo)
        return false;
    g_testes.provocada = true;
    if (escreve(sql))
        g_acao.escreveu = true;
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


// Before a statement runs: the action it belongs to, and (in tests) the
// statement armed to fail, which then does not run.
bool antesDe(const QString& sql)
{
    garantirAcao();
    return !falhaProvocadaAgora(sql);
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

Acao::Acao(TipoAcao tipo)
{
    if (g_profundidade++ == 0) {
        // A command ends the reaction that ran before it.
        if (g_acao.aberta) {
            --g_profundidade;
            terminar();
            ++g_profundidade;
        }
        iniciar(true);
    }
    g_acao.tipo = std::max(g_acao.tipo, tipo);
}

Acao::~Acao()
{
    if (--g_profundidade == 0)
        terminar();
}

struct AcaoSuspensa::Guardada {
    EstadoAcao acao;
    int profundidade;
};

AcaoSuspensa::AcaoSuspensa() : m_guardada(new Guardada{std::move(g_acao), g_profundidade})
{
    g_acao = EstadoAcao();
    g_profundidade = 0;
}

AcaoSuspensa::~AcaoSuspensa()
{
    if (g_profundidade == 0)
        terminar();
    g_acao = std::move(m_guardada->acao);
    g_profundidade = m_guardada->profundidade;
}

bool HouveFalha()
{
    return g_acao.aberta && g_acao.falha != Falha::Nenhuma;
}

void FalhaDeGravacao()
{
    garantirAcao();
    g_acao.escreveu = true;
    registrarFalha(Falha::Comando);
}

void GravacaoConcluida()
{
    garantirAcao();
    g_acao.concluida = true;
}

bool AoTerminar(std::function<void()> passo)
{
    if (!g_acao.aberta || !g_acao.comando)
        return false;
    g_acao.aoTerminar.push_back(std::move(passo));
    return true;
}

void DefinirAvisador(std::function<void(Aviso)> a)
{
    avisador() = std::move(a);
}

void Invalidar()
{
    avancarGeracao();
}

namespace Testes {
void DefinirEspera(int ms)
{
    g_esperaMs = ms < 0 ? kEsperaPadraoMs : ms;
}

int EsperaDeComando()
{
    return g_esperaMs;
}

int EsperaDeReacao()
{
    return esperaDeReacao();
}

void FalharComando(int k)
{
    g_testes.falharNo = k;
    g_testes.contados = 0;
    g_testes.provocada = false;
}

bool FalhaProvocada()
{
    return g_testes.provocada;
}

const std::vector<Registro>& Acoes()
{
    return g_testes.registros;
}

void LimparAcoes()
{
    g_testes.registrar = true;
    g_testes.registros.clear();
}
}  // namespace Testes

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

bool ExecutarNaLinha(QSqlQuery& consulta)
{
    if (!Executar(consulta))
        return false;
    if (consulta.numRowsAffected() == 1)
        return true;
    FalhaDeGravacao();
    return false;
}

bool Preparar(QSqlQuery& consulta, const QString& sql)
{
    if (consulta.prepare(sql))
        return true;
    registrarErro(consulta.lastError());
    return false;
}

bool Executar(const ConexaoPtr& conexao, const QString& sql, const QVariantList& valores,
              int* linhasAfetadas)
{
    if (!conexao)
        return false;
    QSqlQuery q(conexao->db());
    if (!Preparar(q, sql))
        return false;
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
    Testes::FalharComando(0);
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

// The connection waits for a held file as the action under way allows.
static void esperarPeloArquivo(QSqlDatabase& db)
{
    const QVariant h = db.driver()->handle();
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0) {
        if (sqlite3* s = *static_cast<sqlite3* const*>(h.constData()))
            sqlite3_busy_handler(s, aoEncontrarOcupado, nullptr);
    }
}

ConexaoPtr Abrir()
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
    if (!db.isOpen()) {
        if (!db.open()) {
            registrarFalha(Falha::Inutilizavel);
            return nullptr;
        }
        esperarPeloArquivo(db);
    }
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
    if (!Preparar(q, sql))
        return nullptr;
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
        if (!Preparar(*q, QStringLiteral("SELECT * FROM %1 WHERE id = ?").arg(m_tabela))) {
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
            ok = ExecutarNaLinha(q);
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
