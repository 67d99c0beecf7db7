#pragma once
// The impact window: entry page of the criterion "Impactos da Obra". Six items
// on three tab pages (downstream flows and aquifer recharge; disease and insect
// risks; surface and ground water), walked alternative by alternative in the
// order per criterion, judged on the pointer's passage over a frame in the
// order per alternative.
#include "common/Banco.h"
#include "common/Janelas.h"
#include "common/Percurso.h"
#include "entry/Aproveitamento.h"
#include "entry/MapaImpacto.h"

#include <array>

class CaixaAjuda;
class CaixaNumerica;
class GrupoAvaliacao;
class IconeAjuda;
class PortaoAvancar;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

class frmImpacto : public Formulario, public ReceptorCriterio {
    Q_OBJECT
public:
    frmImpacto();

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Activate() override;

    // The page as values (what the writers store), and the page filled from
    // values: each check box and option before the boxes it governs, so that
    // their own reactions run as a user's click would and the values stay.
    MapaImpacto::PaginaImpacto Pagina() const;
    void MostrarPagina(const MapaImpacto::PaginaImpacto& p);
    // Every box empty, both limits unticked, no rating, the recharge choice r.
    void Esvaziar(MapaImpacto::Recarga r);
    // The whole criterion of another alternative's row, by the load map.
    void PreencherDe(Banco::Recordset& origem) override;

    bool TodosCompletos() const { return m_todosCompletos; }
    const Percurso::Status& StatusAlternativas() const { return m_status; }
    const MapaImpacto::ItensImpacto& Itens() const { return m_itens; }

    // Handlers.
    void Command1_Click();   // "<  Anterior"
    void Command2_Click();   // "Próxima  >"
    void CommandButton1_Click();  // "Avançar"
    void Check1_Click();
    void Check2_Click();
    void Option1_Click();
    void Option2_Click();
    void Image_Click(int indice);        // help icons 1..6
    void Command4_Click();
    void Frame_MouseMove(int indice);    // frames 1..6
    void TabStrip1_Click();
    // Ctrl+Tab selects the next tab, after the last the first; true when the key
    // is the window's.
    bool Form_KeyDown(int tecla, Qt::KeyboardModifiers modificadores);
    void Label44_MouseMove();
    void Text_KeyDown(int caixa, int tecla);  // boxes 1..5

    // The pages of the tab strip (the control array Picture1, indexes 0..2).
    QWidget* Picture1(int indice) const { return m_paginas.at(static_cast<size_t>(indice)); }

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void montarCabecalho();
    void montarPaginaHidrologica(QWidget* pagina);
    void montarPaginaSanitaria(QWidget* pagina);
    void montarPaginaQualidade(QWidget* pagina);
    void montarAjudas();
    QGroupBox* frame(int indice, const QString& titulo, QWidget* pagina, const QRect& geometria);
    GrupoAvaliacao* grupo(QGroupBox* frame, const QList<int>& numeros);

    void Passo(Percurso::Direcao d);
    void AvaliarAlternativa(Banco::Recordset& rs);  // items, status text, status, gate
    void AvaliarItens();
    void DefinirPortao();
    void VerificaDadosAlternativa();
    void MostrarRegistro(Banco::Recordset& rs);     // name and status-bar counter
    void LimiteClicado(QCheckBox* check, CaixaNumerica* caixa);
    // Symbol, unit and emptied boxes of the recharge pair.
    void MostrarRecarga(const QString& simbolo, const QString& unidade, const QString& expoente);

    // Controls that the handlers read or write.
    QLabel* Label35 = nullptr;
    QLabel* Label46 = nullptr;
    QLabel *Label22 = nullptr, *Label23 = nullptr, *Label28 = nullptr, *Label29 = nullptr;
    QLabel *Label30 = nullptr, *Label31 = nullptr;
    QLabel *Label41 = nullptr, *Label43 = nullptr, *Label47 = nullptr, *Label49 = nullptr,
           *Label50 = nullptr;
    std::array<QLabel*, 7> m_textosAjuda{};  // Label32, 33, 37, 38, 39, 40 by icon 1..6
    std::array<CaixaNumerica*, 6> m_caixas{};  // Text1..Text5 at 1..5
    QCheckBox *Check1 = nullptr, *Check2 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    GrupoAvaliacao *m_ptd = nullptr, *m_ppi = nullptr, *m_iasup = nullptr, *m_iasub = nullptr;
    std::array<QGroupBox*, 7> m_frames{};     // Frame1..Frame6 at 1..6
    std::array<IconeAjuda*, 7> m_icones{};    // Image1..Image6 at 1..6
    CaixaAjuda* RichTextBox1 = nullptr;
    QPushButton* Command4 = nullptr;
    QTabWidget* TabStrip1 = nullptr;
    std::array<QWidget*, 3> m_paginas{};
    QPushButton *Command1 = nullptr, *Command2 = nullptr;
    PortaoAvancar* m_portao = nullptr;

    // Window state.
    MapaImpacto::ItensImpacto m_itens;
    Percurso::Status m_status;
    bool m_todosCompletos = false;
    bool m_recordsetAberto = false;  // the first activation after the load has run
};
