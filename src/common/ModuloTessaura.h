#pragma once
// ModuloTessaura: the state the windows share for the whole run, and the small
// routines many of them call. Everything starts False, 0 or empty.
#include "common/Banco.h"

#include <QString>
#include <QVariant>
#include <array>
#include <vector>

class BarraStatus;
class QAction;

namespace ModuloTessaura {

// The current project.
inline short NumeroAlternativas = 0;
inline Banco::ConexaoPtr dbAlternativas;
inline Banco::RecordsetPtr rsAlternativas;
inline bool EntradaPorAlternativa = false;
inline bool Reentrada = false;
inline bool ProjetoEmAndamento = false;

// Loaded flags of the entry and results windows.
inline bool ObjetivoCarregado = false;
inline bool ImpactoCarregado = false;
inline bool InsercaoCarregado = false;
inline bool CalculoCarregado = false;

// Each entry window's own handle and recordset over the alternatives table.
inline Banco::ConexaoPtr dbObjetivo;
inline Banco::RecordsetPtr rsObjetivo;
inline Banco::ConexaoPtr dbImpacto;
inline Banco::RecordsetPtr rsImpacto;
inline Banco::ConexaoPtr dbInsercao;
inline Banco::RecordsetPtr rsInsercao;

// Naming flags of the alternatives window, indexed 1..N (element 0 unused).
inline std::vector<short> NomePreenchido;

// The weight vector: thirteen percentages indexed 1..13 (element 0 unused);
// empty (invalid) until the weighting window hands a weighting on.
inline std::array<QVariant, 14> PesoPonderacao;

// Deletable weightings offered by the deletion dialog, each with its row.
struct PonderacaoListada {
    QString nome;
    qint64 id = 0;
};
inline std::vector<PonderacaoListada> ListaPonderacoes;

// Data-reuse context between an entry box and the data-reuse dialog.
inline QVariant ValorPOP;
inline QString MarcadorAtual;
inline QString TituloPOP;
inline QString SimboloPOP;
inline QString QualificadorPOP;
inline QString IndicePOP;
inline QString UnidadePOP;
inline QString MarcadorPOP;
inline QString CampoPOP;
inline bool FalhaAproveitamento = false;

// Project save state.
inline bool PedirNomeAoSalvar = false;
inline QString NomeProjeto;
inline QString SenhaDigitada;
inline QString ResponsavelProjeto;
inline QString DescricaoProjeto;
inline bool SalvamentoCancelado = false;
inline short NumeroProjetos = 0;
inline Banco::ConexaoPtr dbSave;
inline Banco::RecordsetPtr rsSaveNome;

// The economic analysis: its handle and recordset over the alternatives table
// (the current row is the alternative on show) and the number of alternatives
// of its last run.
inline Banco::ConexaoPtr dbEco;
inline Banco::RecordsetPtr rsEco;
inline short NumAltEco = 0;

// The main window's status bar and a toolbar button by its key
// ("new", "salvar", "abrir", "sair", "dados"); nullptr before the main window.
BarraStatus* sbStatusBar();
QAction* BotaoBarra(const QString& chave);

// Panel 1 "Alternativa", panel 2 shown with "<atual> de <total>", both without bevel.
void MostrarAlternativaNaBarra(const QVariant& atual, const QVariant& total);

// Waits the given seconds letting window events (but no user input) run.
void Pausa(double segundos);

// Test hook: every variable back to its start value.
void Reiniciar();

}  // namespace ModuloTessaura
