#include "model/dane/ug673_dane.h"

const TWlasciwosciGazu GAZY_673[3] = {
    {"", 1.232, 1.761e-5, 2.496e-2, 1.008e3},
    {"Ar", 1.699, 2.164e-5, 1.684e-2, 0.519e3},
    {"Kr", 3.560, 2.400e-5, 0.900e-2, 0.245e3},
};

const double HE_673 = 25;
const double HI_673 = 7.7;
const double LAMBDA_SZKLA_673 = 1.0;
const double TM_673 = 283;
const double DT_673 = 15;
const double SIGMA_673 = 5.67e-8;
const double NU_A_673 = 0.035;
const double NU_N_673 = 0.38;
const double G_673 = 9.81;
