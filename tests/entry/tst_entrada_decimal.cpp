// The key filters of the numeric boxes, driven through a box as a user types.
#include "Ambiente.h"

#include "entry/CaixaNumerica.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using Mensagens::Icone;

namespace {

const QString Virgula = QStringLiteral("O separador de decimal é a vírgula");
const QString Ponto = QStringLiteral("O separador de decimal é o ponto");
const QString Insira = QStringLiteral("Insira somente valores numéricos neste campo.");
const QString TituloSeparador = QStringLiteral("Tessaura - Erro na entrada de dados");
const QString TituloEntrada = QStringLiteral("Tessaura - Erro de entrada");

// Types the keys one by one; "^x" is Ctrl+x, "\b" Backspace, "\r" Enter.
void digitar(QWidget* caixa, const QString& teclas)
{
    for (int i = 0; i < teclas.size(); ++i) {
        if (teclas[i] == QLatin1Char('^') && i + 1 < teclas.size()) {
            QTest::keyClick(caixa, teclas[++i].toLatin1(), Qt::ControlModifier);
            continue;
        }
        QTest::keyClick(caixa, teclas[i].toLatin1());
    }
}

}  // namespace

class TesteEntradaDecimal : public QObject {
    Q_OBJECT
private slots:
    void filtro_data();
    void filtro();
};

void TesteEntradaDecimal::filtro_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("inteiro");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("mensagens");
    QTest::addColumn<int>("bipes");

    for (const QString loc : {QStringLiteral("pt_BR"), QStringLiteral("en_US")}) {
        const bool virgula = loc == QLatin1String("pt_BR");
        const QString certo = virgula ? QStringLiteral(",") : QStringLiteral(".");
        const QString errado = virgula ? QStringLiteral(".") : QStringLiteral(",");
        auto linha = [&](const char* nome) -> QTestData& {
            return QTest::addRow("%s %s", qPrintable(loc), nome) << loc << false;
        };
        linha("digitos") << "0123456789" << "0123456789" << QStringList() << 0;
        linha("separador certo") << "1" + certo + "5" << "1" + certo + "5" << QStringList() << 0;
        linha("separador trocado") << "1" + errado + "5" << "1" + certo + "5"
                                   << QStringList{virgula ? Virgula : Ponto} << 0;
        linha("backspace e enter") << "12\b\r" << "1" << QStringList() << 0;
        linha("sinal de menos") << "-5" << "5" << QStringList{Insira} << 1;
        linha("letras") << "aE" << "" << QStringList{Insira, Insira} << 2;
        linha("ctrl+v") << "7^v" << "7" << QStringList{Insira} << 1;
    }
    // Whole numbers: any other key is only a beep.
    const QString br = QStringLiteral("pt_BR");
    QTest::newRow("inteiro ponto no meio") << br << true << "12.5" << "125" << QStringList() << 1;
    QTest::newRow("inteiro virgula, sinal e letra") << br << true << ",-x7" << "7" << QStringList() << 3;
    QTest::newRow("inteiro ctrl+v") << br << true << "^v" << "" << QStringList() << 1;
}

void TesteEntradaDecimal::filtro()
{
    QFETCH(QString, locale);
    QFETCH(bool, inteiro);
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    QFETCH(QStringList, mensagens);
    QFETCH(int, bipes);

    Teste::Sessao s(locale);
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    CaixaNumerica caixa(inteiro ? CaixaNumerica::Filtro::Inteiro : CaixaNumerica::Filtro::Decimal);
    caixa.show();
    digitar(&caixa, teclas);

    QCOMPARE(caixa.text(), texto);
    QCOMPARE(Teste::TextosMostrados(), mensagens);
    for (const auto& m : Mensagens::Historico()) {
        QCOMPARE(m.titulo, m.texto == Insira ? TituloEntrada : TituloSeparador);
        QVERIFY(m.icone == Icone::Critico && m.botoes == Mensagens::Botoes::OK);
    }
    QCOMPARE(Mensagens::Bipes(), bipes);
}

TESTE_MAIN(TesteEntradaDecimal)
#include "tst_entrada_decimal.moc"
