#include "common/Fontes.h"
#include "common/Janelas.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vazora"));
    QApplication::setOrganizationName(QStringLiteral("Vazora"));
    Fontes::InstalarSubstituicoes();
    Janelas::Carregar(QStringLiteral("frmSplash"));
    return app.exec();
}
