// Tessaura's benchmark: times the evaluation, the alternatives table and the
// project save at several sizes and prints the time per alternative. Built with the project,
// run by hand: ./build/tessaura_benchmark
#include <QApplication>
#include <cstdio>

void MedirAvaliacao();
void MedirAlternativas();
void MedirSalvamento();

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    MedirAvaliacao();
    MedirAlternativas();
    MedirSalvamento();
    return 0;
}
