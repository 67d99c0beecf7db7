#pragma once
// The database file beside the executable, and the recordsets through which
// every window reads and writes its tables.
//
// A recordset holds the identities of the rows its query matched when it was
// opened (in creation order) plus the rows added through it. The current row
// is read whole, in one statement, when it is first asked for after a move, a
// write or a return to the event loop, so what another recordset or another
// program stored meanwhile is seen. Every write is committed immediately
// unless a transaction is open; values are always bound.
//
// Another program may hold the file for a while. A statement that fails is a
// failure its caller sees (false, nullptr, Falhou()), never a Null that looks
// like data. The statements run for one user command make one action (Acao):
// it waits once for a held file, and its one message is shown when it ends.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QHash>
#include <functional>
#include <memory>
#include <vector>

namespace Banco {

// "mdbTessaura.mdb" in the folder of the executable (tests may point elsewhere).
QString Caminho();
void DefinirCaminhoParaTestes(const QString& caminho);  // empty = beside the executable

class Conexao;
using ConexaoPtr = std::shared_ptr<Conexao>;

// Opens the database file. nullptr when it is missing, unusable or held by
// another program; the failure is the action's, told when the action ends.
ConexaoPtr Abrir();

// What a user action does with the database; it decides the one message a
// failure gets: the save's, the failed write's, or the file in use.
enum class TipoAcao { Leitura, Gravacao, Salvamento };

// One user command, opened by the handler that runs it and ended where that
// handler ends. An action opened while another is under way joins it (one
// that writes makes the whole a writing one). The action waits for a held
// file once: its first statement that finds the file held gets the whole wait
// (about two seconds), later ones only what is left of it, and once a
// statement has failed for a held file the rest fails at once. When the
// outermost one ends, the steps left to its end run (AoTerminar), then its
// failure, if any, is told once.
//
// What runs outside any action (a box's change while the user types) is a
// reaction: until control returns to the event loop its statements wait a
// fifth of a second at most (a tenth of a command's wait) and their failure is
// told to nobody; the caller sees it and leaves what it would have judged as
// it was.
class Acao {
public:
    explicit Acao(TipoAcao tipo = TipoAcao::Leitura);
    ~Acao();
    Acao(const Acao&) = delete;
    Acao& operator=(const Acao&) = delete;
};

// The action under way set aside while a modal dialog runs: each command
// given in the dialog is an action of its own, with the whole wait and its own
// message. The action set aside goes on as it was when this ends.
class AcaoSuspensa {
public:
    AcaoSuspensa();
    ~AcaoSuspensa();
    AcaoSuspensa(const AcaoSuspensa&) = delete;
    AcaoSuspensa& operator=(const AcaoSuspensa&) = delete;

private:
    struct Guardada;
    std::unique_ptr<Guardada> m_guardada;
};

// A failure of the action under way (since it began).
bool HouveFalha();
// A row write of the action failed where no statement failed (a value the
// column refused, a row that is no longer there): the action fails as a
// write, if nothing failed before.
void FalhaDeGravacao();
// The command's write went through and the user is told so (or shown what was
// stored): whatever fails after this in the same command, a later write of
// it included, gets the file-in-use message, never a failed write's.
void GravacaoConcluida();
// Leaves a step to the end of the command under way, before its message: it
// runs within the action. False (and nothing kept) when no command is under
// way.
bool AoTerminar(std::function<void()> passo);

// The one message a failed action gets; the window layer shows it.
enum class Aviso { ArquivoInutilizavel, ProjetoNaoSalvo, GravacaoFalhou, ArquivoEmUso };
void DefinirAvisador(std::function<void(Aviso)> avisador);

// Forgets cached rows: the next field read goes to the file again.
void Invalidar();

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

    // Reads the current row from the file now. False when the read failed
    // (then Falhou() holds until the next successful read).
    bool Ler() const;
    bool Falhou() const { return m_falhou; }
    // Field of the current row; Null (invalid) without a row or when the row
    // could not be read (Falhou() then tells the two apart).
    QVariant Campo(const QString& nome) const;

    // Editing: Edit or AddNew, then Definir per field, then Update.
    bool Edit();
    bool AddNew();
    // Puts a value into the pending row. Text is converted to the column's type
    // by the locale; a value that does not convert is refused (false) and the
    // field keeps its old value. A null QVariant stores Null.
    bool Definir(const QString& nome, const QVariant& valor);
    // Writes the pending row. False when the statement failed, or when the row
    // edited is no longer in the file (another program deleted it): a failed
    // write of the action either way.
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
    // The current row as last read, valid while its generation is current.
    // The row's values by column, the columns' positions by folded name, and
    // the read statement, prepared once and reset after every read so that
    // it holds no lock between reads.
    mutable std::vector<QVariant> m_linha;
    mutable QHash<QString, int> m_colunasLinha;
    mutable std::shared_ptr<QSqlQuery> m_leitura;
    mutable qint64 m_idLinha = 0;
    mutable quint64 m_geracaoLinha = 0;
    mutable bool m_falhou = false;
};

// Several related writes as one: everything written through the database
// between the start and Confirmar is kept or dropped together. A transaction
// neither confirmed nor already ended is rolled back when it goes out of scope.
// The write lock is taken at the start, so a file held by another program
// fails there, before anything is written. A transaction started while
// another is open joins it: its Confirmar leaves the commit to the outer one,
// and the outer one's roll-back takes its writes back too.
class Transacao {
public:
    explicit Transacao(const ConexaoPtr& conexao);
    ~Transacao();
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;
    // The transaction could be started (or joined an open one).
    bool Iniciada() const { return m_iniciada; }
    // Commits; false (and rolled back) when it was not started or the commit fails.
    bool Confirmar();
    void Desfazer();

private:
    ConexaoPtr m_conexao;
    bool m_iniciada = false;
    bool m_aninhada = false;
};

// Runs a prepared (and bound) statement, or a statement text without values,
// recording a failure for the current action. A statement that writes makes
// the cached rows stale.
bool Executar(QSqlQuery& consulta);
bool Executar(QSqlQuery& consulta, const QString& sql);
// Runs a prepared and bound statement that writes one row by its identity.
// False when it fails, or when the row is no longer in the file (another
// program deleted it): a failed write of the action either way.
bool ExecutarNaLinha(QSqlQuery& consulta);
// Prepares a statement to be run through Executar; a failure is recorded for
// the current action.
bool Preparar(QSqlQuery& consulta, const QString& sql);
// Prepares sql, binds valores in order and runs it.
bool Executar(const ConexaoPtr& conexao, const QString& sql, const QVariantList& valores = {},
              int* linhasAfetadas = nullptr);

// Converts a value for a column; ok false when the text does not convert.
QVariant ConverterParaColuna(const QVariant& valor, TipoColuna tipo, bool* ok);

// Deletes every row of tblTessaura. False when the file cannot be opened.
bool ApagarAlternativas();

// Number of an alternative from its marker: "alt12" gives 12 (0 if unreadable).
int NumeroDoMarcador(const QString& marcador);

}  // namespace Banco
