#include "engine/Motore.h"
#include "ui/Finestra.h"
#include <QtCore/QObject>
