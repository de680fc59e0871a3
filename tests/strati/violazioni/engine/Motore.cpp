#include "Motore.h"
#include <qglobal.h>
