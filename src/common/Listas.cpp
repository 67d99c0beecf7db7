#include "common/Listas.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QProxyStyle>

namespace {

// The application's style, but a list drops below its box with its row count.
class EstiloDeLista : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* opcao, const QWidget* w,
                  QStyleHintReturn* retorno) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, opcao, w, retorno);
    }
};

QStyle* estilo()
{
    // One for all lists, owned by the application; the proxy makes its own
    // instance of the application's style to draw with.
    static QPointer<QStyle> unico;
    if (!unico) {
        unico = new EstiloDeLista;
        unico->setParent(qApp);
    }
    return unico;
}

}  // namespace

namespace Listas {

void LimitarLinhas(QComboBox* lista, int linhas)
{
    lista->setStyle(estilo());
    lista->setMaxVisibleItems(linhas);
}

}  // namespace Listas
