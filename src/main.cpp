#include "common/Janelas.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vazora"));
    QApplication::setOrganizationName(QStringLiteral("Vazora"));
    Janelas::Carregar(QStringLiteral("frmSplash"));
    return app.exec();
}
