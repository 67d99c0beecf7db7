// Password scrambling with the program's key: fixed results, and the
// properties every scrambled text keeps.
#include "projects/Senha.h"

#include <QTest>

using Projetos::ChaveSenha;
using Projetos::EmbaralharSenha;

class TesteSenha : public QObject {
    Q_OBJECT
private slots:
    void resultadosConhecidos_data()
    {
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("embaralhada");
        QTest::newRow("vazia") << "" << "";
        QTest::newRow("minúsculas") << "abc" << "áâã";
        QTest::newRow("letra em outra caixa") << "N" << "¿";
        QTest::newRow("159 fica") << "n" << "Ÿ";
        // The seventh character meets the first key letter again.
        QTest::newRow("chave reusada") << "nnnnnnn" << "ŸîîîîîŸ";
        QTest::newRow("127 fica") << "Ž" << "\x7f";
        QTest::newRow("31 fica") << "î" << "\x1f";
        QTest::newRow("abaixo de 31 volta") << "ñ" << "q";
        QTest::newRow("fora da página conta como ?") << "ő" << "Î";
        QTest::newRow("mista") << "Senha#9é" << "¢åîèáÎÈi";
    }
    void resultadosConhecidos()
    {
        QFETCH(QString, senha);
        QFETCH(QString, embaralhada);
        QCOMPARE(EmbaralharSenha(senha, ChaveSenha), embaralhada);
    }

    // Every character of the page (control characters included) at every key
    // position: as long as the text, no code in 0..30 or 128..158, repeatable.
    void propriedades()
    {
        QString todos;
        for (char16_t c = 0; c < 256; ++c)
            todos += QChar(c);
        todos += QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
        for (int deslocamento = 0; deslocamento < 6; ++deslocamento) {
            const QString texto = QString(deslocamento, QLatin1Char('x')) + todos;
            const QString r = EmbaralharSenha(texto, ChaveSenha);
            QCOMPARE(r.size(), texto.size());
            QCOMPARE(EmbaralharSenha(texto, ChaveSenha), r);
            for (const QChar c : r) {
                const char16_t u = c.unicode();
                QVERIFY2((u >= 31 && u <= 127) || (u >= 160 && u <= 255) || u == 0x178,
                         qPrintable(QString::number(u)));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TesteSenha)
#include "tst_senha.moc"
