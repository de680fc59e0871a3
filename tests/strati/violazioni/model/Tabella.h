#pragma once
#include "Versione.h"
