// Precompiled header shared by every layer: the Qt modules all layers link.
#pragma once
#ifdef __cplusplus
#include <QtCore>
#include <QtGui>
#include <QtWidgets>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>
#endif
