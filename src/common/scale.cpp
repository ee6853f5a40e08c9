#include "common/scale.h"

long INITSCALE = 40;
long ENV_SCALE = 1;
long theGlobalScale = 40;
long SCALE = 40;
double CIF_FACTOR = 0.01;
long CIF_RATIO_A = 1;
long CIF_RATIO_B = 1;
double LAMBDA_T1 = 0.1;
double LAMBDA_T2 = 0.1;
long theMinDefectSize = 0;
long theMaxDefectSize = 0;
long theStep = 0;

void GCresetScale() {
  INITSCALE = 40;
  ENV_SCALE = 1;
  theGlobalScale = 40;
  SCALE = 40;
  CIF_FACTOR = 0.01;
  CIF_RATIO_A = CIF_RATIO_B = 1;
  LAMBDA_T1 = LAMBDA_T2 = 0.1;
  theMinDefectSize = theMaxDefectSize = theStep = 0;
}
