#pragma once
#include "ui/Finestra.h"
#include <QWidget>
