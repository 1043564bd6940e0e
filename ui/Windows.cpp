#include "ui/Windows.h"

#include "ui/Modal.h"
#include "ui/frmForma.h"
#include "ui/frmStart.h"

void showFrmForma() {
    if (!frmForma::instance())
        new frmForma();
    frmForma::instance()->show();
}

void destroyFrmForma() { delete frmForma::instance(); }

void openFrmStart() {
    frmStart dialog(frmForma::instance());
    showModal(dialog);
}
