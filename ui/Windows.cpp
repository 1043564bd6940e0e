#include "ui/Windows.h"

#include "ui/Modal.h"
#include "ui/frmDoska.h"
#include "ui/frmFile.h"
#include "ui/frmForma.h"
#include "ui/frmIgroki.h"
#include "ui/frmHelp.h"
#include "ui/frmOprog.h"
#include "ui/frmStart.h"

namespace {
// A window the caller needs nothing back from: made over the main window, shown, gone.
template <typename Dialog>
void openModally() {
    Dialog dialog(frmForma::instance());
    showModal(dialog);
}
}  // namespace

void showFrmForma() {
    if (!frmForma::instance())
        (new frmForma())->openAtStartZoom();
    frmForma::instance()->show();
}

void destroyFrmForma() { delete frmForma::instance(); }

void openFrmStart() { openModally<frmStart>(); }
void openFrmIgroki() { openModally<frmIgroki>(); }
void openFrmDoska() { openModally<frmDoska>(); }
void openFrmHelp() { openModally<frmHelp>(); }
void openFrmOprog() { openModally<frmOprog>(); }

void openFrmFile() {
    frmFile dialog(frmForma::instance());
    if (dialog.Form_Load())
        showModal(dialog);
}
