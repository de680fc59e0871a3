#pragma once
#include "Mancante.h"
#include "engine/Motore.h"
