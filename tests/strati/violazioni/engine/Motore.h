#pragma once
#include "model/Base.h"
#include "ui/Finestra.h"
