#include "common/Aplicacao.h"
#include "common/Fontes.h"
#include "common/Janelas.h"


int main(int argc, char* argv[])
{
    Aplicacao app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vazora"));
    QApplication::setOrganizationName(QStringLiteral("Vazora"));
    Fontes::InstalarSubstituicoes();
    Janelas::Carregar(QStringLiteral("frmSplash"));
    return app.exec();
}
