#pragma once
// What every test needs: its own fresh database, instant waits, message boxes
// answered without a modal loop and a record of what they said.
#include "common/Janelas.h"
#include "common/Mensagens.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>
#include <deque>
#include <functional>

class frmMain;
class QComboBox;
class QLineEdit;
class QWidget;
class Dialogo;

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

// Message boxes answered from a queue (OK for OK boxes, and the given default
// for yes/no boxes when the queue is empty).
void ResponderMensagens(Mensagens::Resposta padraoSimNao = Mensagens::Resposta::Sim);
void EnfileirarResposta(Mensagens::Resposta r);
// Messages shown since the last Limpar (texts only, and the full records).
QStringList TextosMostrados();
const Mensagens::Mensagem* UltimaMensagem();
// "title [icon] text" of the last message shown (empty when none) and of a
// message expected: one comparison that prints both when they differ.
QString UltimaResumida();
QString Resumo(const QString& titulo, Mensagens::Icone icone, const QString& texto);

// Modal dialogs are handed to this function instead of a modal loop; when none
// is set they stay shown, for the test to drive after the call returns.
void AoExibirModal(std::function<void(Dialogo*)> f);

// A full reset: every window unloaded, module state back to its start, a fresh
// copy of the pristine database in a temporary folder, messages cleared, waits
// instant, locale pt_BR unless given.
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

// The project as the alternatives window hands it on: n rows alt1..altn named
// prefixo followed by the number, NumeroAlternativas, the entry order and the
// shared recordset on the first row.
void Projeto(int n, bool porAlternativa = false,
             const QString& prefixo = QStringLiteral("Alternativa "));

// Shows another child window of the main window (whose activation writes
// "9 de 9" into the status-bar counter, as an entry window would), so that a
// test can leave a window and come back to it.
void MostrarOutraJanela();

// The texts of a list's entries.
QStringList Itens(const QComboBox* lista);

// Types a text into a widget key by key, accented letters included (which
// QTest::keyClicks does not take).
void Digitar(QWidget* w, const QString& texto);
// Replaces a box's text as a user would: select all, delete, type.
void Substituir(QLineEdit* caixa, const QString& texto);
// A click near the left edge: on a button, or on an option's or check box's indicator.
void Clicar(QWidget* w);
// The pointer moving over a widget with no button held, by default near its
// bottom-left corner (a frame's own background, clear of its controls).
void PassarMouse(QWidget* w, QPoint pos = QPoint(-1, -1));
// The pointer arriving over a widget.
void Apontar(QWidget* w);

// Another program holding the database file: a connection of its own on the
// file (the program's by default) opens a transaction that takes the file
// whole, BEGIN EXCLUSIVE, so that every statement of the program waits its
// busy timeout and fails; or, with SoEscrita, BEGIN IMMEDIATE, a write
// transaction in progress, so that the program still reads but cannot write.
// Liberar, or the end of the object's life, commits and closes the file.
// The connection belongs to the thread that creates the object: a test that
// lets go from another thread creates it there.
class TravaBanco {
public:
    enum class Alcance { Tudo, SoEscrita };
    explicit TravaBanco(Alcance alcance = Alcance::Tudo, const QString& caminho = QString());
    ~TravaBanco();
    TravaBanco(const TravaBanco&) = delete;
    TravaBanco& operator=(const TravaBanco&) = delete;
    // The file is held (the transaction could begin).
    bool Ativa() const { return m_ativa; }
    void Liberar();

private:
    QString m_conexao;
    bool m_ativa = false;
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
