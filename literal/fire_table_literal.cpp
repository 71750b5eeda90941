#include "literal/fire_table_literal.h"

namespace vorla::literal {

double FireRateAt(const FireTable& table, double t) {
    const auto& p = table.Points;
    const int n = table.LastIndex;
    if (n < 1) {
        return p[0].Rate;
    }
    int k = n;
    for (int i = 1; i <= n - 1; ++i) {
        if (p[i].Time > t) {
            k = i;
            break;
        }
    }
    const double timeSpan = p[k].Time - p[k - 1].Time;
    if (timeSpan == 0) {
        return t < p[k].Time ? p[k - 1].Rate : p[k].Rate;
    }
    return p[k - 1].Rate + (p[k].Rate - p[k - 1].Rate) * (t - p[k - 1].Time) / timeSpan;
}

} // namespace vorla::literal
