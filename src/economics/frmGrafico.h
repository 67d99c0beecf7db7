#pragma once
// The performance-against-cost charts: one bubble per chosen alternative,
// relative cost across and relative performance up, by compromise
// programming ("GrafPC") or by weighted mean ("GrafMP"), drawn from the rows
// the economic run wrote into the workbook.
#include "common/Janelas.h"

#include <QLabel>
#include <QPushButton>

namespace Planilha {
class VisaoGrafico;
}

class frmGrafico : public Formulario {
    Q_OBJECT
public:
    frmGrafico();

    void Form_Activate() override;
    void cmdPC_Click();
    void cmdMP_Click();
    void cmdVoltar_Click();

    QLabel *Label1, *Label2;
    Planilha::VisaoGrafico* OLE1;
    QPushButton *cmdMP, *cmdPC, *cmdVoltar;

private:
    void Vincular(const QString& folha);
};
