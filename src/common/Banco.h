#pragma once
// The database file beside the executable, and the recordsets through which
// every window reads and writes its tables.
//
// A recordset holds the identities of the rows its query matched when it was
// opened (in creation order) plus the rows added through it. Fields are always
// read from the file, so a change made through another recordset is seen at
// once. Every write is committed immediately; values are always bound.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QHash>
#include <memory>
#include <vector>

namespace Banco {

// "mdbTessaura.mdb" in the folder of the executable (tests may point elsewhere).
QString Caminho();
void DefinirCaminhoParaTestes(const QString& caminho);  // empty = beside the executable

class Conexao;
using ConexaoPtr = std::shared_ptr<Conexao>;

// Opens the database file. When it is missing or unusable a critical message
// naming the file is shown and nullptr is returned; callers stop there.
ConexaoPtr Abrir();
// As Abrir, without the message.
ConexaoPtr AbrirSilencioso();
// The critical message of a database file that is missing or unusable.
void AvisarBancoInutilizavel();

enum class TipoColuna { Texto, Inteiro, Real };

class Conexao {
public:
    explicit Conexao(QSqlDatabase db);
    QSqlDatabase& db() { return m_db; }
    // Column names (without the hidden id) and types of a table, in order.
    const std::vector<std::pair<QString, TipoColuna>>& Colunas(const QString& tabela);
    bool TemColuna(const QString& tabela, const QString& coluna, TipoColuna* tipo = nullptr,
                   QString* nomeReal = nullptr);

private:
    QSqlDatabase m_db;
    QHash<QString, std::vector<std::pair<QString, TipoColuna>>> m_colunas;
};

class Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;

class Recordset {
public:
    // "SELECT * FROM <tabela> [WHERE <filtro>]", filtro with ? placeholders
    // bound to parametros, rows in creation order. nullptr on failure.
    static RecordsetPtr Abrir(const ConexaoPtr& conexao, const QString& tabela,
                              const QString& filtro = QString(),
                              const QVariantList& parametros = {});
    // The rows whose Nome equals nome literally, letter case ignored (full
    // Unicode folding), in creation order: the first is the one name-keyed
    // operations take.
    static RecordsetPtr AbrirPorNome(const ConexaoPtr& conexao, const QString& tabela,
                                     const QString& nome);
    // A recordset over exactly one row, by its identity.
    static RecordsetPtr AbrirPorId(const ConexaoPtr& conexao, const QString& tabela, qint64 id);

    const QString& Tabela() const { return m_tabela; }
    const ConexaoPtr& Conexao_() const { return m_conexao; }

    bool BOF() const { return m_pos < 0 || m_ids.empty(); }
    bool EOF_() const { return m_pos >= static_cast<int>(m_ids.size()) || m_ids.empty(); }
    int RecordCount() const { return static_cast<int>(m_ids.size()); }
    bool TemLinhaAtual() const { return !BOF() && !EOF_() && !m_atualExcluida; }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Places the recordset on the row with this identity; false if it has none.
    bool IrParaId(qint64 id);
    // Identity of the current row (0 when there is none).
    qint64 Id() const;

    // Field of the current row read from the file; Null (invalid) without a row.
    QVariant Campo(const QString& nome) const;

    // Editing: Edit or AddNew, then Definir per field, then Update.
    bool Edit();
    bool AddNew();
    // Puts a value into the pending row. Text is converted to the column's type
    // by the locale; a value that does not convert is refused (false) and the
    // field keeps its old value. A null QVariant stores Null.
    bool Definir(const QString& nome, const QVariant& valor);
    bool Update();
    void CancelUpdate();
    bool EmEdicao() const { return m_modo != Modo::Nenhum; }
    bool Delete();

private:
    Recordset(ConexaoPtr c, QString tabela) : m_conexao(std::move(c)), m_tabela(std::move(tabela)) {}
    enum class Modo { Nenhum, Editando, Adicionando };

    ConexaoPtr m_conexao;
    QString m_tabela;
    std::vector<qint64> m_ids;
    int m_pos = 0;
    bool m_atualExcluida = false;
    Modo m_modo = Modo::Nenhum;
    std::vector<std::pair<QString, QVariant>> m_pendentes;
};

// Several related writes as one: everything written through the database
// between the start and Confirmar is kept or dropped together. A transaction
// neither confirmed nor already ended is rolled back when it goes out of scope.
// Transactions do not nest: starting one while another is open fails.
class Transacao {
public:
    explicit Transacao(const ConexaoPtr& conexao);
    ~Transacao();
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;
    // The transaction could be started.
    bool Iniciada() const { return m_iniciada; }
    // Commits; false (and rolled back) when it was not started or the commit fails.
    bool Confirmar();
    void Desfazer();

private:
    ConexaoPtr m_conexao;
    bool m_iniciada = false;
};

// Converts a value for a column; ok false when the text does not convert.
QVariant ConverterParaColuna(const QVariant& valor, TipoColuna tipo, bool* ok);

// Deletes every row of tblTessaura. False when the file cannot be opened.
bool ApagarAlternativas();

// Number of an alternative from its marker: "alt12" gives 12 (0 if unreadable).
int NumeroDoMarcador(const QString& marcador);

}  // namespace Banco
