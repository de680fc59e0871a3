#pragma once
#include <QString>
#include <queue>
