#pragma once
// The insertion window: entry page of criterion "Inserção da Obra". Eight
// data on two tab pages (environmental; social, with a sub-menu of four
// items), walked alternative by alternative in the order per criterion and
// judged on the pointer's passage over a frame in the order per alternative.
// Its "Avançar" closes data entry.
#include "common/Banco.h"
#include "common/Janelas.h"
#include "common/Percurso.h"
#include "entry/Aproveitamento.h"
#include "entry/MapaInsercao.h"

#include <array>

class CaixaAjuda;
class CaixaNumerica;
class GrupoAvaliacao;
class IconeAjuda;
class Passagem;
class PortaoAvancar;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

class frmInsercao : public Formulario, public ReceptorCriterio {
    Q_OBJECT
public:
    frmInsercao();

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Activate() override;

    // The window's controls as values (what the writers store), and the
    // controls filled from values; the status icons follow what is shown.
    MapaInsercao::PaginaInsercao Pagina() const;
    void MostrarPagina(const MapaInsercao::PaginaInsercao& p);
    // Text1..Text5 empty and every option deselected; Text6 keeps its text.
    void Esvaziar();
    // The running maximum beside the expropriation box: Text6 takes Text5's
    // number when it is larger.
    void AtualizarMaximo();
    // The running maximum as shown, and put back as it was.
    QString Maximo() const;
    void MostrarMaximo(const QString& maximo);
    void PreencherDe(Banco::Recordset& origem) override;

    bool TodosCompletos() const { return m_todosCompletos; }
    const Percurso::Status& StatusAlternativas() const { return m_status; }

    // Handlers.
    void Command1_Click();        // "Próxima  >"
    void Command2_Click();        // "<  Anterior"
    void CommandButton1_Click();  // "Avançar"
    void TabStrip1_Click();
    void Label_Click(int item);      // the social items Label12..Label15 as 0..3
    void Label_MouseMove(int item);
    void Picture1_MouseMove();
    void Image_Click(int frame);     // the help icon of Frame1..Frame6
    void Command3_Click();
    void Frame_MouseMove(int frame);  // Frame1..Frame6
    void Label52_MouseMove();
    void Text_KeyDown(int caixa, int tecla);  // Text1..Text5

    // The pages of the tab strip (the control array Picture1, indexes 0..1).
    QWidget* Picture1(int indice) const { return m_paginas.at(static_cast<size_t>(indice)); }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void montarCabecalho();
    void montarPaginaAmbiental(QWidget* pagina);
    void montarPaginaSocial(QWidget* pagina);
    void montarAjudas();
    QGroupBox* frame(int indice, const QString& titulo, QWidget* pagina, const QRect& geometria);
    CaixaNumerica* linhaArea(QGroupBox* f, int caixa, int y, const QString& subscrito,
                             const QString& acima = QString());
    GrupoAvaliacao* grupo(QGroupBox* f, const QList<int>& numeros, int primeiroNivel);

    void AtualizarIcones();
    void Passo(Percurso::Direcao d);
    void GravarPagina(Banco::Recordset& rs);
    void AvaliarAlternativa();  // order per criterion: status, statuses, gate
    void VerificaDadosAlternativa();
    bool CriteriosAnterioresCompletos();
    void AvancarAlternativa(Passagem& passagem);

    // Controls that the handlers read or write.
    QLabel *Label37 = nullptr, *Label38 = nullptr, *Label53 = nullptr;
    QLabel *Label51 = nullptr, *Label54 = nullptr, *Label55 = nullptr, *Label56 = nullptr;
    std::array<CaixaNumerica*, 7> m_caixas{};  // Text1..Text6 at 1..6
    GrupoAvaliacao *m_ip = nullptr, *m_icc = nullptr, *m_puof = nullptr;
    std::array<QGroupBox*, 7> m_frames{};    // Frame1..Frame6 at 1..6
    std::array<IconeAjuda*, 7> m_icones{};   // help icon of Frame1..Frame6 at 1..6
    std::array<QLabel*, 7> m_textosAjuda{};  // its help label, by frame
    std::array<QLabel*, 4> m_itens{};        // Label12..Label15
    std::array<QLabel*, 4> m_iconesStatus{};  // Image5..Image8
    QLabel* Image3 = nullptr;
    CaixaAjuda* RichTextBox1 = nullptr;
    QPushButton* Command3 = nullptr;
    QTabWidget* TabStrip1 = nullptr;
    std::array<QWidget*, 2> m_paginas{};
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    PortaoAvancar* m_portao = nullptr;

    // Window state.
    Percurso::Status m_status;
    bool m_todosCompletos = false;
    bool m_recordsetAberto = false;  // the first activation after the load has run
};
