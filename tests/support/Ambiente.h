#pragma once
// What every test needs: its own fresh database, instant waits, message boxes
// answered without a modal loop and a record of what they said.
#include "common/BancoTestes.h"
#include "common/Janelas.h"
#include "common/Mensagens.h"

#include <QApplication>
#include <QPoint>
#include <QPointer>
#include <QTest>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>
#include <functional>
#include <memory>

class Dialogo;
class frmMain;
class QComboBox;
class QDialog;
class QLineEdit;

namespace Teste {

// A control of a window by its name; a missing control ends the test program
// with the name, rather than crashing on a null pointer later.
template <class T = QWidget> T* Controle(QWidget* janela, const QString& nome)
{
    T* c = janela ? janela->findChild<T*>(nome) : nullptr;
    if (!c)
        qFatal("control %s not found in %s", qPrintable(nome),
               janela ? qPrintable(janela->objectName()) : "(no window)");
    return c;
}
// The same, on a loaded window found by its name.
template <class T = QWidget> T* Controle(const QString& janela, const QString& nome)
{
    Janela* j = Janelas::Obter(janela);
    return Controle<T>(j ? j->Widget() : nullptr, nome);
}

// Message boxes answered from a queue (when it is empty: OK, or the given default for yes/no).
void ResponderMensagens(Mensagens::Resposta padraoSimNao = Mensagens::Resposta::Sim);
void EnfileirarResposta(Mensagens::Resposta r);
// Messages shown since the last Limpar (texts only, and the full records).
QStringList TextosMostrados();
const Mensagens::Mensagem* UltimaMensagem();
// The window each message shown since the last Limpar stood over (Frente() when it showed).
QStringList JanelasDasMensagens();
// The window in front: the modal dialog running its loop, else the active child of the main window ("-": none).
QString Frente();
// "title [icon] text" of the last message shown (empty when none) and of one expected.
QString UltimaResumida();
QString Resumo(const QString& titulo, Mensagens::Icone icone, const QString& texto);

// Modal dialogs are handed to f instead of a modal loop; with none they stay shown.
void AoExibirModal(std::function<void(Dialogo*)> f);
// Modal dialogs run their real modal loop from now on (until the next Sessao), and f runs within the loop of
// the next one, once it is the active modal window, as a user's clicks arrive there. A dialog that f leaves
// open is then closed, so that no test waits for ever. The next NoDialogo or Sessao forgets an f whose
// dialog never opened.
void NoDialogo(std::function<void(QDialog*)> f);

// A full reset: every window unloaded, module state reset, a fresh copy of the pristine
// database in a temporary folder, messages cleared, waits instant, locale pt_BR unless given.
class Sessao {
public:
    explicit Sessao(const QString& locale = QStringLiteral("pt_BR"));
    ~Sessao();
    frmMain* Principal();       // the main window, created on first use
    // A window loaded and shown inside the main window.
    template <class T> T* Mostrar()
    {
        Principal();
        T* j = Janelas::Carregar<T>();
        Janelas::Mostrar(j);
        return j;
    }
    QString CaminhoBanco() const { return m_caminho; }
private:
    QTemporaryDir m_dir;
    QString m_caminho;
    QPointer<frmMain> m_principal;  // the program may close it itself (Exit)
};

// The project as the alternatives window hands it on: rows alt1..altn named prefixo + number,
// NumeroAlternativas, the entry order and the shared recordset on the first row.
void Projeto(int n, bool porAlternativa = false,
             const QString& prefixo = QStringLiteral("Alternativa "));

// Shows another child window (its activation writes "9 de 9" into the status-bar counter, as
// an entry window would), so that a test can leave a window and come back to it.
void MostrarOutraJanela();

// The texts of a list's entries.
QStringList Itens(const QComboBox* lista);

// Types a text key by key, accented letters included (which QTest::keyClicks does not take).
void Digitar(QWidget* w, const QString& texto);
// Replaces a box's text as a user would: select all, delete, type.
void Substituir(QLineEdit* caixa, const QString& texto);
// A click near the left edge: on a button, or on an option's or check box's indicator.
void Clicar(QWidget* w);
// The pointer moving over a widget with no button held, by default near its bottom-left
// corner (a frame's own background, clear of its controls).
void PassarMouse(QWidget* w, QPoint pos = QPoint(-1, -1));
// The pointer arriving over a widget.
void Apontar(QWidget* w);

// Another program holding the database file (the program's by default): a connection in a
// thread of its own holds it from construction until Liberar or destruction, or for ms
// milliseconds. Exclusiva: BEGIN EXCLUSIVE (the program can neither read nor write);
// Escrita: BEGIN IMMEDIATE (it reads but cannot write); Leitura: a read in progress (it
// writes, but cannot commit).
class Trava {
public:
    enum class Tipo { Exclusiva, Escrita, Leitura };
    explicit Trava(const QString& caminho = QString(), Tipo tipo = Tipo::Exclusiva, int ms = -1);
    ~Trava();
    void Liberar();
    bool Tomada() const { return m_tomada; }  // the lock could be taken
private:
    struct Estado;
    std::shared_ptr<Estado> m_estado;
    bool m_tomada = false;
};

// Runs a query on the test's database and returns the first column of each row.
QList<QVariant> Coluna(const QString& sql);
// One field of the alternative with the marker "alt<n>" (invalid when there is no such row).
QVariant Campo(const QString& campo, int alternativa);
// Number of rows of a table.
int Linhas(const QString& tabela);
// Runs a statement (for setting up data); values bound in order.
bool Executar(const QString& sql, const QVariantList& valores = {});
// Adds a row with the given fields (names from the test, values bound).
bool Inserir(const QString& tabela, const QVariantMap& campos);

}  // namespace Teste

// A test program's main, as QTEST_MAIN's, at 96 dpi.
#define TESTE_MAIN(Classe)                                 \
    int main(int argc, char** argv)                        \
    {                                                      \
        QApplication app(argc, argv);                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);           \
        Classe tc;                                         \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return QTest::qExec(&tc, argc, argv);              \
    }
