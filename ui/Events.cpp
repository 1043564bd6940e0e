#include "ui/Events.h"

#include <QCoreApplication>

void DoEvents() { QCoreApplication::processEvents(); }
