// The evaluation run at N = 100, 1 000 and 10 000 synthetic alternatives: its
// arithmetic alone, and the whole run of the results window (read the table,
// compute, fill both grids, store the indices) with the pauses made instant.
#include "BancoDeMedida.h"
#include "common/Banco.h"
#include "common/Espera.h"
#include "common/Janelas.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "evaluation/Avaliacao.h"
#include "evaluation/frmCalculoIndices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

const std::array<double, 13> kPesos{10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6};

// Complete alternatives with varied data: both flow kinds, both recharge pairs.
std::vector<Avaliacao::Alternativa> sinteticas(int n)
{
    std::mt19937 gerador(20261206u + static_cast<unsigned>(n));
    std::uniform_real_distribution<double> area(0, 1000), vazao(0.5, 20);
    std::uniform_int_distribution<int> nota(1, 7), periodo(2, 100), tipo(0, 2);
    std::vector<Avaliacao::Alternativa> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        Avaliacao::Alternativa& a = v[static_cast<size_t>(i)];
        a.nome = QStringLiteral("Alternativa %1").arg(i + 1);
        a[Avaliacao::TR] = periodo(gerador);
        a[Avaliacao::TRD] = periodo(gerador);
        const int t = tipo(gerador);
        if (t != 1)
            a[Avaliacao::QJmin] = vazao(gerador);
        if (t != 0)
            a[Avaliacao::QJmax] = vazao(gerador);
        a[Avaliacao::Qalvo] = vazao(gerador);
        if (i % 2) {
            a[Avaliacao::Qinf] = vazao(gerador);
            a[Avaliacao::Qnat] = vazao(gerador);
        } else {
            a[Avaliacao::Ainf] = area(gerador);
            a[Avaliacao::Anat] = area(gerador);
        }
        for (Avaliacao::Campo c : {Avaliacao::PTD, Avaliacao::PPI, Avaliacao::IAsup,
                                   Avaliacao::IAsub, Avaliacao::IP, Avaliacao::ICC, Avaliacao::PUOF})
            a[c] = nota(gerador);
        for (Avaliacao::Campo c : {Avaliacao::Aapta1, Avaliacao::Aapta2, Avaliacao::ARL1,
                                   Avaliacao::ARL2, Avaliacao::Ades})
            a[c] = area(gerador);
    }
    return v;
}

double microssegundos(const QElapsedTimer& t) { return t.nsecsElapsed() / 1000.0; }

// Best of several repetitions, in microseconds per alternative.
template <class F> double melhorTempo(int n, int repeticoes, F f)
{
    double melhor = 1e300;
    for (int r = 0; r < repeticoes; ++r) {
        QElapsedTimer t;
        t.start();
        f();
        melhor = std::min(melhor, microssegundos(t));
    }
    return melhor / n;
}

void gravarTabela(const std::vector<Avaliacao::Alternativa>& alternativas)
{
    Banco::ConexaoPtr c = Banco::Abrir();
    QSqlQuery q(c->db());
    q.exec(QStringLiteral("DELETE FROM tblTessaura"));
    Banco::Transacao t(c);
    QStringList colunas{QStringLiteral("Marcador"), QStringLiteral("Nome")};
    QStringList marcas{QStringLiteral("?"), QStringLiteral("?")};
    for (const QString& n : Avaliacao::NomesCampos()) {
        colunas << n;
        marcas << QStringLiteral("?");
    }
    q.prepare(QStringLiteral("INSERT INTO tblTessaura (%1) VALUES (%2)")
                  .arg(colunas.join(", "), marcas.join(", ")));
    for (size_t i = 0; i < alternativas.size(); ++i) {
        const Avaliacao::Alternativa& a = alternativas[i];
        q.addBindValue(QStringLiteral("alt%1").arg(i + 1));
        q.addBindValue(a.nome);
        for (const auto& v : a.campos)
            q.addBindValue(v ? QVariant(*v) : QVariant());
        q.exec();
    }
    t.Confirmar();
}

}  // namespace

void MedirAvaliacao()
{
    BancoDeMedida banco("avaliacao");
    if (!banco.Pronto())
        return;
    Espera::DefinirEscalaParaTestes(0.0);
    Mensagens::DefinirRespondedor([](const Mensagens::Mensagem& m) {
        std::printf("avaliacao: unexpected message: %s\n", qPrintable(m.texto));
        return Mensagens::Resposta::OK;
    });
    for (int j = 0; j < 13; ++j)
        ModuloTessaura::PesoPonderacao[static_cast<size_t>(j + 1)] = kPesos[static_cast<size_t>(j)];

    std::printf("avaliacao: time per alternative (best of the repetitions)\n");
    std::printf("%8s %16s %16s %14s\n", "N", "arithmetic (us)", "whole run (us)", "run total (ms)");
    for (int n : {100, 1000, 10000}) {
        const std::vector<Avaliacao::Alternativa> alternativas = sinteticas(n);
        const int repeticoes = n >= 10000 ? 5 : 20;
        const double conta = melhorTempo(n, repeticoes, [&] {
            const Avaliacao::Resultado r = Avaliacao::Calcular(alternativas, kPesos);
            if (r.lacuna || static_cast<int>(r.linhas.size()) != n)
                std::printf("avaliacao: the synthetic table is not complete\n");
        });

        gravarTabela(alternativas);
        ModuloTessaura::NumeroAlternativas = static_cast<short>(std::min(n, 32767));
        auto* janela = Janelas::Carregar<frmCalculoIndices>();
        Janelas::Mostrar(janela);  // the first run, with the progress display
        const double execucao = melhorTempo(n, n >= 10000 ? 3 : 10, [&] { janela->Form_Activate(); });
        if (static_cast<int>(janela->UltimoResultado().linhas.size()) != n)
            std::printf("avaliacao: the run did not evaluate every row\n");
        Janelas::Descarregar(janela);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        std::printf("%8d %16.3f %16.3f %14.2f\n", n, conta, execucao, execucao * n / 1000.0);
    }
    std::printf("targets: arithmetic < 2 us per alternative; whole run at N = 1000 < 50 ms\n");
    Mensagens::DefinirRespondedor(nullptr);
}
