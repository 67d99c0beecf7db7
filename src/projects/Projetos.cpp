#include "projects/Projetos.h"

#include "common/Janelas.h"
#include "common/Mensagens.h"
#include "common/ModuloTessaura.h"
#include "entry/GravadorEntrada.h"
#include "projects/Senha.h"

#include <QDateTime>
#include <QLocale>
#include <limits>

namespace MT = ModuloTessaura;

namespace Projetos {

namespace {

const QString kTitulo = QStringLiteral("Análise Tessaura");

// The fields copied from the working table into tblSave, in the order written.
const char* const kCampos[] = {"Nome",  "Anotacao", "Marcador", "TR",    "TRD",  "QJmin",
                               "QJmax", "Qalvo",    "Qinf",     "Qnat",  "Ainf", "Anat",
                               "PTD",   "PPI",      "IAsup",    "IAsub", "IP",   "ARL1",
                               "ARL2",  "ICC",      "PUOF",     "Ades",  "Aapta1", "Aapta2"};

// Deletes every row of the recordset whose Projeto equals nome exactly.
bool apagarProjeto(Banco::Recordset& rs, const QString& nome)
{
    rs.MoveFirst();
    while (!rs.EOF_()) {
        const QVariant projeto = rs.Campo(QStringLiteral("Projeto"));
        if (!projeto.isNull() && projeto.toString() == nome && !rs.Delete())
            return false;
        rs.MoveNext();
    }
    return true;
}

bool gravarCabecalho(Banco::Recordset& rs, const QDateTime& agora)
{
    return rs.AddNew() && rs.Definir(QStringLiteral("Projeto"), MT::NomeProjeto)
           && rs.Definir(QStringLiteral("Data"), agora.date().toString(Qt::ISODate))
           && rs.Definir(QStringLiteral("Time"), agora.time().toString(QStringLiteral("HH:mm:ss")))
           && rs.Definir(QStringLiteral("Pass"), EmbaralharSenha(MT::SenhaDigitada, ChaveSenha))
           && rs.Definir(QStringLiteral("Responsavel"), MT::ResponsavelProjeto)
           && rs.Definir(QStringLiteral("Descricao"), MT::DescricaoProjeto) && rs.Update();
}

bool copiarAlternativas(Banco::Recordset& origem, Banco::Recordset& destino)
{
    origem.MoveFirst();
    while (!origem.EOF_()) {
        if (!destino.AddNew() || !destino.Definir(QStringLiteral("Projeto"), MT::NomeProjeto))
            return false;
        for (const char* campo : kCampos) {
            const QString nome = QString::fromLatin1(campo);
            if (!destino.Definir(nome, origem.Campo(nome))) {
                destino.CancelUpdate();
                return false;
            }
        }
        if (!destino.Update())
            return false;
        origem.MoveNext();
    }
    return true;
}

// Shows the save dialog; true when it was closed with "Salvar". The values it
// collected are kept only then.
bool pedirNome()
{
    const QString nome = MT::NomeProjeto, senha = MT::SenhaDigitada,
                  responsavel = MT::ResponsavelProjeto, descricao = MT::DescricaoProjeto;
    // Whatever closes the dialog without "Salvar" cancels this save.
    MT::SalvamentoCancelado = true;
    if (Janela* j = Janelas::Carregar(QStringLiteral("frmSalvar")))
        Janelas::ExibirModal(j);
    if (Janelas::Carregada(QStringLiteral("frmSalvar"))) {
        Janelas::Descarregar(QStringLiteral("frmSalvar"));
        MT::SalvamentoCancelado = true;
    }
    if (!MT::SalvamentoCancelado)
        return true;
    MT::NomeProjeto = nome;
    MT::SenhaDigitada = senha;
    MT::ResponsavelProjeto = responsavel;
    MT::DescricaoProjeto = descricao;
    return false;
}

}  // namespace

short ContarProjetos(Banco::Recordset* rs)
{
    if (!rs)
        return 0;
    rs->MoveLast();
    const int n = rs->RecordCount();
    rs->MoveFirst();
    return static_cast<short>(std::min(n, int(std::numeric_limits<short>::max())));
}

void SalvarProjeto()
{
    MT::dbSave = Banco::Abrir();
    if (!MT::dbSave)
        return;
    MT::rsSaveNome = Banco::Recordset::Abrir(MT::dbSave, QStringLiteral("tblSaveNome"));
    MT::rsSave = Banco::Recordset::Abrir(MT::dbSave, QStringLiteral("tblSave"));
    MT::rsSaveOrigem = Banco::Recordset::Abrir(MT::dbSave, QStringLiteral("tblTessaura"));
    MT::NumeroProjetos = ContarProjetos(MT::rsSaveNome.get());
    const bool aberto = MT::rsSaveNome && MT::rsSave && MT::rsSaveOrigem;

    if (aberto && MT::PedirNomeAoSalvar && !pedirNome())
        return;

    bool ok = aberto;
    {
        Banco::Transacao transacao(MT::dbSave);
        ok = ok && transacao.Iniciada() && apagarProjeto(*MT::rsSave, MT::NomeProjeto)
             && apagarProjeto(*MT::rsSaveNome, MT::NomeProjeto)
             && gravarCabecalho(*MT::rsSaveNome, QDateTime::currentDateTime())
             && GravadorEntrada::GravarFormulariosAtuais()
             && copiarAlternativas(*MT::rsSaveOrigem, *MT::rsSave) && transacao.Confirmar();
    }
    if (!ok) {
        // Nothing of this save was kept: the earlier copy stands as it was.
        Mensagens::Mostrar(QStringLiteral("Não foi possível salvar o projeto."),
                           Mensagens::Icone::Critico, Mensagens::Botoes::OK, kTitulo);
        return;
    }
    Mensagens::Mostrar(QStringLiteral("O projeto foi salvo!"), Mensagens::Icone::Informacao,
                       Mensagens::Botoes::OK, kTitulo);
}

QString TextoData(const QDate& data)
{
    return QLocale().toString(data, QLocale::ShortFormat);
}

QString TextoHora(const QTime& hora)
{
    // The locale's long time format without its time zone.
    QString formato = QLocale().timeFormat(QLocale::LongFormat);
    formato.remove(QLatin1Char('t'));
    return QLocale().toString(hora, formato.trimmed());
}

QString TextoAtualizacao(const QVariant& data, const QVariant& hora)
{
    const QDate d = QDate::fromString(data.toString(), Qt::ISODate);
    const QTime h = QTime::fromString(hora.toString(), QStringLiteral("HH:mm:ss"));
    return (d.isValid() ? TextoData(d) : data.toString()) + QStringLiteral(" - ")
           + (h.isValid() ? TextoHora(h) : hora.toString());
}

}  // namespace Projetos
