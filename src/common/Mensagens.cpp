#include "common/Mensagens.h"

#include <QApplication>
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
}  // namespace

Resposta Mostrar(const QString& texto, Icone icone, Botoes botoes, const QString& titulo)
{
    Mensagem m{texto, icone, botoes, titulo.isEmpty() ? TituloPadrao : titulo};
    g_historico.push_back(m);
    if (g_respondedor)
        return g_respondedor(m);

    QMessageBox caixa(iconeQt(icone), m.titulo, texto, QMessageBox::NoButton,
                      QApplication::activeWindow());
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
