#include "common/Mensagens.h"

#include "common/Banco.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>
#include <QMessageBox>
#include <QPushButton>

namespace Mensagens {

namespace {
Respondedor g_respondedor;
std::vector<Mensagem> g_historico;
int g_bipes = 0;

QMessageBox::Icon iconeQt(Icone i)
{
    switch (i) {
    case Icone::Critico: return QMessageBox::Critical;
    case Icone::Exclamacao: return QMessageBox::Warning;
    case Icone::Informacao: return QMessageBox::Information;
    case Icone::Pergunta: return QMessageBox::Question;
    case Icone::Nenhum: break;
    }
    return QMessageBox::NoIcon;
}

// A box is at least as wide as its whole title needs on the title bar, beside
// the window manager's icon and buttons, within the screen.
void alargarParaOTitulo(QMessageBox& caixa, const QString& titulo)
{
    QFont f = QApplication::font("QMdiSubWindowTitleBar");
    f.setBold(true);
    constexpr int kBotoesDaBarra = 160;
    int largura = QFontMetrics(f).horizontalAdvance(titulo) + kBotoesDaBarra;
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        largura = std::min(largura, tela->availableGeometry().width() - 40);
    if (auto* grade = qobject_cast<QGridLayout*>(caixa.layout()))
        grade->addItem(new QSpacerItem(largura, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                       grade->rowCount(), 0, 1, grade->columnCount());
}
}  // namespace

Resposta Mostrar(const QString& texto, Icone icone, Botoes botoes, const QString& titulo)
{
    Mensagem m{texto, icone, botoes, titulo.isEmpty() ? TituloPadrao : titulo};
    g_historico.push_back(m);
    if (g_respondedor)
        return g_respondedor(m);

    QMessageBox caixa(iconeQt(icone), m.titulo, texto, QMessageBox::NoButton,
                      QApplication::activeWindow());
    alargarParaOTitulo(caixa, m.titulo);
    if (botoes == Botoes::OK) {
        caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        caixa.exec();
        return Resposta::OK;
    }
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    caixa.setDefaultButton(sim);
    caixa.setEscapeButton(nao);
    caixa.exec();
    return caixa.clickedButton() == sim ? Resposta::Sim : Resposta::Nao;
}

namespace {

// The one message of a database action that failed.
void avisarFalhaDoBanco(Banco::Aviso aviso)
{
    const QString titulo = QStringLiteral("Análise Tessaura");
    const QString arquivo = QDir::toNativeSeparators(Banco::Caminho());
    QString texto;
    switch (aviso) {
    case Banco::Aviso::ArquivoInutilizavel:
        texto = QStringLiteral("Não foi possível abrir o banco de dados \"%1\". Verifique se o arquivo existe, "
                               "se pode ser gravado e se não está danificado.").arg(arquivo);
        break;
    case Banco::Aviso::ProjetoNaoSalvo:
        texto = QStringLiteral("Não foi possível salvar o projeto.");
        break;
    case Banco::Aviso::GravacaoFalhou:
        texto = QStringLiteral("Não foi possível gravar os dados no banco de dados.");
        break;
    case Banco::Aviso::ArquivoEmUso:
        texto = QStringLiteral("O banco de dados \"%1\" está em uso por outro programa. Feche-o e tente novamente.")
                    .arg(arquivo);
        break;
    }
    Mostrar(texto, Icone::Critico, Botoes::OK, titulo);
}

[[maybe_unused]] const bool avisosDoBanco = (Banco::DefinirAvisador(avisarFalhaDoBanco), true);

}  // namespace

void Bipe()
{
    ++g_bipes;
    QApplication::beep();
}

void DefinirRespondedor(Respondedor r) { g_respondedor = std::move(r); }
const std::vector<Mensagem>& Historico() { return g_historico; }
int Bipes() { return g_bipes; }
void LimparHistorico()
{
    g_historico.clear();
    g_bipes = 0;
}

}  // namespace Mensagens
