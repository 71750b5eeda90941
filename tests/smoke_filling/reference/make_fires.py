#!/usr/bin/env python3
"""Writes the fire files the smoke filling tests run, in the format the fire
generator writes (point lines, end marker, name line, description line)."""
import os
import sys

from skeva_reference import ra, single

HEAT_OF_COMBUSTION = 20000.0  # kJ/kg


def point_line(t, q):
    burning = single(single(single(q) * 1000) / HEAT_OF_COMBUSTION)
    return ra(t, "####0") + "     " + ra(single(q), "#####0.0") + "     " + ra(burning, "###0.000")


def write(folder, name, points, description):
    lines = [point_line(t, q) for t, q in points]
    lines.append(ra(-9, "#####") + "     " + ra(-9, "########") + "     " + ra(-9, "########"))
    lines.append(name.ljust(((len(name) // 14) + 1) * 14) + "07/12/1999")
    lines.append(description)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(''.join(line + '\r\n' for line in lines).encode('ascii'))


def main(folder):
    fast = [(t, min(0.0469 * t * t, 2000.0)) for t in range(0, 601, 10)]
    write(folder, "fast_t_squared_2mw.fir", fast, "Fast t-squared fire, 2000 kW cap, 600 s")
    steady = [(0, 0.0), (60, 1000.0), (600, 1000.0)]
    write(folder, "ramp_1mw_ends_600s.fir", steady, "1000 kW after a 60 s ramp, ends at 600 s")
    long = [(0, 0.0), (100, 100.0), (10000, 100.0)]
    write(folder, "steady_100kw_10000s.fir", long, "100 kW for 10000 s")
    medium = [(t, min(0.01172 * t * t, 1500.0)) for t in range(0, 1201, 20)]
    write(folder, "medium_t_squared_1500kw.fir", medium, "Medium t-squared fire, 1500 kW cap")


if __name__ == '__main__':
    main(sys.argv[1])
