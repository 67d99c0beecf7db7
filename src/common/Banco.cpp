#include "common/Banco.h"

#include "common/Mensagens.h"
#include "common/Numeros.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <cmath>
#include <limits>

namespace Banco {

namespace {
QString g_caminhoTeste;
const char* const kNomeConexao = "tessaura";
}  // namespace

QString Caminho()
{
    if (!g_caminhoTeste.isEmpty())
        return g_caminhoTeste;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("mdbTessaura.mdb"));
}

void DefinirCaminhoParaTestes(const QString& caminho)
{
    g_caminhoTeste = caminho;
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
    if (!arquivoUtilizavel(caminho))
        return nullptr;
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
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    }
    if (!db.isOpen() && !db.open())
        return nullptr;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name IN "
                               "('tblTessaura','tblPonderacao','tblSave','tblSaveNome')"))
        || !q.next() || q.value(0).toInt() != 4)
        return nullptr;
    return std::make_shared<Conexao>(db);
}

void AvisarBancoInutilizavel()
{
    Mensagens::Mostrar(
        QStringLiteral("Não foi possível abrir o banco de dados \"%1\". Verifique se o "
                       "arquivo existe, se pode ser gravado e se não está danificado.")
            .arg(QDir::toNativeSeparators(Caminho())),
        Mensagens::Icone::Critico, Mensagens::Botoes::OK, QStringLiteral("Vazora"));
}

ConexaoPtr Abrir()
{
    ConexaoPtr c = AbrirSilencioso();
    if (!c)
        AvisarBancoInutilizavel();
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
    if (q.exec()) {
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
    if (!q.prepare(sql))
        return nullptr;
    for (const QVariant& p : parametros)
        q.addBindValue(p);
    if (!q.exec())
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
    if (!q.exec(QStringLiteral("SELECT id, Nome FROM %1 ORDER BY id").arg(tabela)))
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

QVariant Recordset::Campo(const QString& nome) const
{
    if (!TemLinhaAtual())
        return QVariant();
    QString coluna;
    if (!m_conexao->TemColuna(m_tabela, nome, nullptr, &coluna))
        return QVariant();
    QSqlQuery q(m_conexao->db());
    q.prepare(QStringLiteral("SELECT \"%1\" FROM %2 WHERE id = ?").arg(coluna, m_tabela));
    q.addBindValue(Id());
    if (!q.exec() || !q.next())
        return QVariant();
    return q.value(0);
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
            ok = q.exec();
        }
    } else {
        if (m_pendentes.empty()) {
            ok = q.exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_tabela));
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
            ok = q.exec();
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
    if (!q.exec())
        return false;
    m_ids.erase(m_ids.begin() + m_pos);
    m_atualExcluida = true;
    return true;
}

Transacao::Transacao(const ConexaoPtr& conexao) : m_conexao(conexao)
{
    m_iniciada = m_conexao && m_conexao->db().transaction();
}

Transacao::~Transacao()
{
    Desfazer();
}

bool Transacao::Confirmar()
{
    if (!m_iniciada)
        return false;
    m_iniciada = false;
    if (m_conexao->db().commit())
        return true;
    m_conexao->db().rollback();
    return false;
}

void Transacao::Desfazer()
{
    if (m_iniciada)
        m_conexao->db().rollback();
    m_iniciada = false;
}

bool ApagarAlternativas()
{
    ConexaoPtr c = Abrir();
    if (!c || !tabelaValida(c, QStringLiteral("tblTessaura")))
        return false;
    // One statement: every row goes at once, or none does.
    QSqlQuery q(c->db());
    return q.exec(QStringLiteral("DELETE FROM tblTessaura"));
}

int NumeroDoMarcador(const QString& marcador)
{
    bool ok = false;
    const int n = marcador.mid(3).trimmed().toInt(&ok);
    return ok ? n : 0;
}

}  // namespace Banco
