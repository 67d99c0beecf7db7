#pragma once
#include "common/Janelas.h"

#include <QTimer>

// The start-up window: shows itself on load and, when its timer first fires
// three seconds later, unloads itself and shows the main window.
class frmSplash : public Formulario {
    Q_OBJECT
public:
    frmSplash();
    void Form_Load() override;
    void Timer1_Timer();

    QTimer* Timer1;
};
