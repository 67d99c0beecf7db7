#include "Ambiente.h"

#include "common/Banco.h"
#include "common/Espera.h"
#include "common/Fontes.h"
#include "common/ModuloTessaura.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

namespace Teste {

namespace {
std::deque<Mensagens::Resposta> g_fila;
Mensagens::Resposta g_padrao = Mensagens::Resposta::Sim;
std::function<void(Dialogo*)> g_modal;
QStringList g_janelasDasMensagens;
QPointer<QTimer> g_esperaDoDialogo;  // NoDialogo's, until its dialog opens
}  // namespace

QString Frente()
{
    if (const QWidget* d = QApplication::activeModalWidget())
        return d->objectName();
    const QMdiSubWindow* sub = Janelas::Area() ? Janelas::Area()->activeSubWindow() : nullptr;
    return sub && sub->widget() ? sub->widget()->objectName() : QStringLiteral("-");
}

QStringList JanelasDasMensagens()
{
    return g_janelasDasMensagens.mid(0, static_cast<int>(Mensagens::Historico().size()));
}

void ResponderMensagens(Mensagens::Resposta padraoSimNao)
{
    g_padrao = padraoSimNao;
    g_fila.clear();
    Mensagens::DefinirRespondedor([](const Mensagens::Mensagem& m) {
        // The history may have been cleared since the last message.
        g_janelasDasMensagens = g_janelasDasMensagens.mid(0, static_cast<int>(Mensagens::Historico().size()) - 1);
        g_janelasDasMensagens << Frente();
        if (g_fila.empty())
            return m.botoes == Mensagens::Botoes::OK ? Mensagens::Resposta::OK : g_padrao;
        const Mensagens::Resposta r = g_fila.front();
        g_fila.pop_front();
        return r;
    });
}

void EnfileirarResposta(Mensagens::Resposta r) { g_fila.push_back(r); }

QStringList TextosMostrados()
{
    QStringList t;
    for (const auto& m : Mensagens::Historico())
        t << m.texto;
    return t;
}

const Mensagens::Mensagem* UltimaMensagem()
{
    const auto& h = Mensagens::Historico();
    return h.empty() ? nullptr : &h.back();
}

void AoExibirModal(std::function<void(Dialogo*)> f)
{
    g_modal = std::move(f);
    Janelas::DefinirManipuladorModal([](Dialogo* d) { g_modal ? g_modal(d) : void(); });
}

void NoDialogo(std::function<void(QDialog*)> f)
{
    Janelas::DefinirManipuladorModal(nullptr);
    // A wait left by a dialog that never opened goes: it must not take a later one.
    delete g_esperaDoDialogo.data();
    auto* espera = new QTimer(qApp);
    g_esperaDoDialogo = espera;
    espera->setInterval(5);
    QObject::connect(espera, &QTimer::timeout, espera, [espera, f] {
        QPointer<QDialog> d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible())
            return;
        espera->stop();
        espera->deleteLater();
        if (g_esperaDoDialogo == espera)
            g_esperaDoDialogo = nullptr;  // f may set up the next dialog's
        f(d);
        if (d && d->isVisible() && QApplication::activeModalWidget() == d) {
            d->reject();
            if (d && d->isVisible())  // one that ignores Escape (reject) ends its loop all the same
                d->done(QDialog::Rejected);
        }
    });
    espera->start();
}

Sessao::Sessao(const QString& locale)
{
    Fontes::InstalarSubstituicoes();
    Janelas::Reiniciar();
    delete g_esperaDoDialogo.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ModuloTessaura::Reiniciar();
    QLocale::setDefault(QLocale(locale));
    Espera::DefinirEscalaParaTestes(0.0);
    Espera::DefinirAoPausarParaTestes(nullptr);
    // A file held by another program is waited for briefly.
    Banco::Testes::DefinirEspera(300);
    m_caminho = m_dir.filePath(QStringLiteral("mdbTessaura.mdb"));
    QFile::copy(QStringLiteral(TESSAURA_DB_MODELO), m_caminho);
    QFile::setPermissions(m_caminho, QFile::ReadOwner | QFile::WriteOwner);
    Banco::DefinirCaminhoParaTestes(m_caminho);
    Mensagens::LimparHistorico();
    ResponderMensagens();
    AoExibirModal(nullptr);
}

Sessao::~Sessao()
{
    Janelas::Reiniciar();
    if (m_principal) {
        m_principal->setAttribute(Qt::WA_DeleteOnClose, false);
        delete m_principal;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ModuloTessaura::Reiniciar();
    if (QSqlDatabase::contains(QStringLiteral("teste")))
        QSqlDatabase::database(QStringLiteral("teste"), false).close();
    Banco::DefinirCaminhoParaTestes(QString());
}

frmMain* Sessao::Principal()
{
    if (!m_principal)
        (m_principal = new frmMain())->show();
    return m_principal;
}

void Digitar(QWidget* w, const QString& texto)
{
    for (const QChar c : texto) {
        if (c.unicode() < 0x7f && c.isPrint())
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Substituir(QLineEdit* caixa, const QString& texto)
{
    caixa->setFocus();
    caixa->selectAll();
    QTest::keyClick(caixa, Qt::Key_Delete);
    Digitar(caixa, texto);
}

QString Resumo(const QString& titulo, Mensagens::Icone icone, const QString& texto)
{
    return QStringLiteral("%1 [%2] %3").arg(titulo).arg(static_cast<int>(icone)).arg(texto);
}

QString UltimaResumida()
{
    const Mensagens::Mensagem* m = UltimaMensagem();
    return m ? Resumo(m->titulo, m->icone, m->texto) : QString();
}

void Clicar(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

void Projeto(int n, bool porAlternativa, const QString& prefixo)
{
    for (int i = 1; i <= n; ++i)
        Inserir(QStringLiteral("tblTessaura"),
                {{"Marcador", QStringLiteral("alt%1").arg(i)}, {"Nome", prefixo + QString::number(i)}});
    ModuloTessaura::NumeroAlternativas = static_cast<short>(n);
    ModuloTessaura::EntradaPorAlternativa = porAlternativa;
    ModuloTessaura::dbAlternativas = Banco::Abrir();
    ModuloTessaura::rsAlternativas =
        Banco::Recordset::Abrir(ModuloTessaura::dbAlternativas, QStringLiteral("tblTessaura"));
    if (ModuloTessaura::rsAlternativas)
        ModuloTessaura::rsAlternativas->MoveFirst();
}

namespace {
class frmOutraJanela : public Formulario {
public:
    void Form_Activate() override { ModuloTessaura::MostrarAlternativaNaBarra(QStringLiteral("9"), 9); }
};
}  // namespace

void MostrarOutraJanela()
{
    [[maybe_unused]] static const bool registrada =
        Janelas::RegistrarFabrica(QStringLiteral("frmOutraJanela"), [] { return new frmOutraJanela(); });
    Janelas::Mostrar(Janelas::Carregar(QStringLiteral("frmOutraJanela")));
}

void PassarMouse(QWidget* w, QPoint pos)
{
    if (pos == QPoint(-1, -1))
        pos = QPoint(4, w->height() - 4);
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void Apontar(QWidget* w)
{
    QEvent entrar(QEvent::Enter);
    QCoreApplication::sendEvent(w, &entrar);
}

QStringList Itens(const QComboBox* lista)
{
    QStringList t;
    for (int i = 0; i < lista->count(); ++i)
        t << lista->itemText(i);
    return t;
}

// What a test sets up or reads runs beside the database layer, never through
// it: it is no statement of the program's and no part of its actions. It goes
// through the program's connection when that is open (so that it sees what a
// transaction of the program's holds), through one of its own otherwise.
static QSqlQuery consulta(const QString& sql, const QVariantList& valores, bool* ok)
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("tessaura"), false);
    const QString nome = QStringLiteral("teste");
    if (!db.isOpen() || db.databaseName() != Banco::Caminho())
        db = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome, false)
                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    if (db.databaseName() != Banco::Caminho() || !db.isOpen()) {
        db.close();
        db.setDatabaseName(Banco::Caminho());
        db.open();
    }
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    *ok = q.exec();
    return q;
}

struct Trava::Estado {
    std::mutex m;
    std::condition_variable cv;
    bool liberar = false;
    std::thread fio;
};

Trava::Trava(const QString& arquivo, Tipo tipo, int ms) : m_estado(std::make_shared<Estado>())
{
    const QString caminho = arquivo.isEmpty() ? Banco::Caminho() : arquivo;
    std::promise<bool> pronta;
    std::future<bool> tomada = pronta.get_future();
    auto estado = m_estado;
    estado->fio = std::thread([estado, caminho, tipo, ms, p = std::move(pronta)]() mutable {
        static std::atomic<int> contador{0};
        const QString nome = QStringLiteral("trava%1").arg(++contador);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
            db.setDatabaseName(caminho);
            const bool aberta = db.open();
            QSqlQuery q(db);
            const char* inicio = tipo == Tipo::Exclusiva ? "BEGIN EXCLUSIVE"
                                 : tipo == Tipo::Escrita ? "BEGIN IMMEDIATE" : "BEGIN";
            const QString ler = QStringLiteral("SELECT count(*) FROM tblTessaura");
            p.set_value(aberta && q.exec(QString::fromLatin1(inicio))
                        && (tipo != Tipo::Leitura || (q.exec(ler) && q.next())));
            {
                std::unique_lock<std::mutex> l(estado->m);
                const auto liberada = [&] { return estado->liberar; };
                ms >= 0 ? void(estado->cv.wait_for(l, std::chrono::milliseconds(ms), liberada))
                        : estado->cv.wait(l, liberada);
            }
            q.finish();
            q.exec(QStringLiteral("COMMIT"));
            q.clear();
            db.close();
        }
        QSqlDatabase::removeDatabase(nome);
    });
    m_tomada = tomada.get();
}

Trava::~Trava() { Liberar(); }

void Trava::Liberar()
{
    {
        std::lock_guard<std::mutex> l(m_estado->m);
        m_estado->liberar = true;
    }
    m_estado->cv.notify_all();
    if (m_estado->fio.joinable())
        m_estado->fio.join();
}

QList<QVariant> Coluna(const QString& sql)
{
    bool ok = false;
    QSqlQuery q = consulta(sql, {}, &ok);
    QList<QVariant> r;
    while (ok && q.next())
        r << q.value(0);
    return r;
}

QVariant Campo(const QString& campo, int alternativa)
{
    return Coluna(QStringLiteral("SELECT %1 FROM tblTessaura WHERE Marcador = 'alt%2'").arg(campo).arg(alternativa))
        .value(0);
}

int Linhas(const QString& tabela)
{
    return Coluna(QStringLiteral("SELECT count(*) FROM ") + tabela).value(0, -1).toInt();
}

bool Executar(const QString& sql, const QVariantList& valores)
{
    bool ok = false;
    consulta(sql, valores, &ok);
    Banco::Invalidar();
    return ok;
}

bool Inserir(const QString& tabela, const QVariantMap& campos)
{
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)");
    return Executar(sql.arg(tabela, campos.keys().join(','), QStringList(campos.size(), "?").join(',')),
                    campos.values());
}

}  // namespace Teste
