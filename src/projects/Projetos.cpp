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

// Deletes every row of the table whose Projeto equals nome exactly (letter
// case significant), in one statement.
bool apagarProjeto(const Banco::ConexaoPtr& db, const QString& tabela, const QString& nome)
{
    return Banco::Executar(db, QStringLiteral("DELETE FROM %1 WHERE Projeto = ?").arg(tabela), {nome});
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

// The working table's rows, in their own order, copied under the project's
// name with their values unchanged (a Null stays Null), in one statement.
bool copiarAlternativas(const Banco::ConexaoPtr& db)
{
    QStringList campos;
    for (const char* campo : kCampos)
        campos << QString::fromLatin1(campo);
    const QString lista = campos.join(QStringLiteral(", "));
    return Banco::Executar(db,
                           QStringLiteral("INSERT INTO tblSave (Projeto, %1) SELECT ?, %1 "
                                          "FROM tblTessaura ORDER BY id")
                               .arg(lista),
                           {MT::NomeProjeto});
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
    // One action: whatever fails in it (the file held by another program
    // included) gets the one message of a failed save.
    Banco::Acao acao(Banco::TipoAcao::Salvamento);
    MT::dbSave = Banco::Abrir();
    if (!MT::dbSave)
        return;
    MT::rsSaveNome = Banco::Recordset::Abrir(MT::dbSave, QStringLiteral("tblSaveNome"));
    if (!MT::rsSaveNome)
        return;
    MT::NumeroProjetos = ContarProjetos(MT::rsSaveNome.get());

    if (MT::PedirNomeAoSalvar && !pedirNome())
        return;

    // The earlier copy goes and the new one is written in one transaction:
    // the file holds the one or the other, never a mix.
    bool ok = false;
    {
        Banco::Transacao transacao(MT::dbSave);
        ok = transacao.Iniciada() && apagarProjeto(MT::dbSave, QStringLiteral("tblSave"), MT::NomeProjeto)
             && apagarProjeto(MT::dbSave, QStringLiteral("tblSaveNome"), MT::NomeProjeto)
             && gravarCabecalho(*MT::rsSaveNome, QDateTime::currentDateTime())
             && GravadorEntrada::GravarFormulariosAtuais() && copiarAlternativas(MT::dbSave)
             && transacao.Confirmar();
    }
    // A save that failed kept nothing of itself (the earlier copy stands as it
    // was); the statement that failed has told the action so.
    if (!ok)
        return;
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
