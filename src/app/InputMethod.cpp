#include "InputMethod.h"

void ApplyInputMethod(QWidget *)
{
}
