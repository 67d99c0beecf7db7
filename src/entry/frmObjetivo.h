#pragma once
// The objective window: entry page of criterion "Objetivo", the design and the
// desired return period of every alternative, walked per criterion with the
// arrows or entered for one alternative at a time.
#include "common/Janelas.h"
#include "common/Percurso.h"
#include "entry/Aproveitamento.h"
#include "entry/MapaObjetivo.h"

#include <QLabel>
#include <QPushButton>

class CaixaNumerica;
class PortaoAvancar;

class frmObjetivo : public Formulario, public ReceptorCriterio {
    Q_OBJECT
public:
    frmObjetivo();

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Activate() override;

    void Command1_Click();        // "<  Anterior"
    void Command2_Click();        // "Próxima  >"
    void CommandButton1_Click();  // "Avançar"
    void Text1_Change();
    void Text2_Change();
    void Text1_KeyDown(int tecla);
    void Text2_KeyDown(int tecla);
    void Command1_KeyDown(int tecla);
    void Command2_KeyDown(int tecla);
    void CommandButton1_KeyDown(int tecla);
    void Label44_MouseMove();

    // The whole criterion taken over from another alternative's row.
    void PreencherDe(Banco::Recordset& origem) override;

    // Completeness per alternative (order per criterion), by number 1..N.
    const Percurso::Status& StatusAlternativas() const { return m_status; }

    // The two boxes as values (what the writers store), the boxes filled from
    // values, and both boxes emptied.
    MapaObjetivo::Textos Caixas() const;
    void MostrarCaixas(const MapaObjetivo::Textos& t);
    void Esvaziar();

    QLabel *Label1, *Label2, *Label3;
    QLabel *Label4, *Label7, *Label5, *Label6;
    QLabel *Label9, *Label11, *Label13, *Label10, *Label12, *Label14;
    QLabel *Label16, *Label20, *Label19, *Label18;
    QLabel *Label8, *Label15, *Label17;
    QLabel *Label21, *Label22, *Label43, *Label47;  // hint texts, never shown
    CaixaNumerica *Text1, *Text2;
    QPushButton *Command1, *Command2;
    PortaoAvancar* Portao;  // CommandButton1, Picture4, Label44, Picture3, Label42, Image10, Timer1

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void Passo(Percurso::Direcao d);
    // Judges the alternative on show from its boxes and sets the gate (per criterion).
    void Avaliar();
    void GravarLinha(Banco::Recordset& rs);
    void MostrarLinha(Banco::Recordset& rs);
    void MostrarContador(const Banco::Recordset& rs);
    // The row on show: rsAlternativas' in the order per alternative, rsObjetivo's otherwise.
    Banco::Recordset* LinhaMostrada() const;
    // F5 in a box: the data-reuse dialog for that box's datum.
    void PedirDado(CaixaNumerica* caixa, const QString& indice, const QString& campo);
    // F5 on a button: the notice that reuse starts from a box.
    void AvisoF5(int tecla);

    bool TRFornecido = false;
    bool TRDFornecido = false;
    short TotalAlternativas = 0;
    Percurso::Status m_status;
    bool TodosCompletos = false;
    // The first activation after the load has set the window up; later ones
    // keep the alternative on show.
    bool m_preparado = false;
};
