#!/usr/bin/env python3
"""An independent computation of SKEVA-XW results files, written from the
description of the smoke filling run and report rather than from the C++ code.
It produces the golden files the C++ tests compare byte for byte. Not run by CI:

    python3 skeva_reference.py --fire FIRE --floor-area A --room-height H \
        --fire-height ZF --loss-fraction L --run-time S --title T \
        --output-name NAME --fire-name SHOWN > golden.sof

All values are S.I. (the inputs as they are stored after the form's conversion);
--us-floor-area / --us-room-height / --us-fire-height give the U.S. values typed
in the form instead, converted with the single-precision factors.
"""
import argparse
import math
import struct
from decimal import Decimal, ROUND_HALF_UP


def single(x):
    """The nearest single-precision value."""
    return struct.unpack('f', struct.pack('f', x))[0]


# ---------------------------------------------------------------- fire table

def read_fire(path):
    text = open(path, 'rb').read().decode('latin-1')
    fields = text.replace(',', ' ').split()
    points = []
    k = 0
    pos = 0
    while True:
        t, q = float(fields[pos]), float(fields[pos + 1])
        pos += 3
        points.append((t, q))
        k += 1
        if k > 1800 or q < 0:
            break
    n = k - 2
    return points, n


def fire_rate_at(points, n, t):
    k = n
    for i in range(1, n):
        if points[i][0] > t:
            k = i
            break
    t0, q0 = points[k - 1]
    t1, q1 = points[k]
    return q0 + (q1 - q0) * (t - t0) / (t1 - t0)


# ---------------------------------------------------------------- integrator

def rk_step(f, d, h, x, y):
    k1 = [h * d[0], h * d[1]]
    yt = [y[0] + k1[0] / 2, y[1] + k1[1] / 2]
    dp = f(x + h / 2, yt)
    k2 = [h * dp[0], h * dp[1]]
    yt = [y[0] + k2[0] / 2, y[1] + k2[1] / 2]
    dp = f(x + h / 2, yt)
    k3 = [h * dp[0], h * dp[1]]
    yt = [y[0] + k3[0], y[1] + k3[1]]
    dp = f(x + h, yt)
    k4 = [h * dp[0], h * dp[1]]
    return [y[i] + k1[i] / 6 + k2[i] / 3 + k3[i] / 3 + k4[i] / 6 for i in range(2)]


def integrate(f, tol, n, t_end, t_start, y):
    h = (t_end - t_start) / n
    hh = h / 2
    x = t_start
    yfull = list(y)
    yhalf = list(y)
    while True:
        d = f(x, yfull)
        yfull = rk_step(f, d, h, x, yfull)
        yhalf = rk_step(f, d, hh, x, yhalf)
        xm = single(x + hh)
        d2 = f(xm, yhalf)
        yhalf = rk_step(f, d2, hh, xm, yhalf)
        e = 0.0
        for i in range(2):
            ei = abs(yhalf[i] - yfull[i]) / 15 / tol[i]
            if ei > e:
                e = ei
        if e > 1:
            m = 2
            while True:
                m = 2 * m
                hs = h / m
                if hs <= hh / math.pow(e, 0.2) or m == 32:
                    break
            xs = single(x)
            yhalf = list(y)
            yhalf = rk_step(f, d, hs, xs, yhalf)
            for _ in range(m - 1):
                xs = single(xs + hs)
                d2 = f(xs, yhalf)
                yhalf = rk_step(f, d2, hs, xs, yhalf)
        y = list(yhalf)
        yfull = list(yhalf)
        x = x + h
        if x >= t_end:
            return y


# ---------------------------------------------------------------- the room

class Room:
    def __init__(self, area, height, fire_height, loss, points, n):
        self.A = area
        self.H = height
        self.zf = single(fire_height)
        self.lam = loss
        self.points = points
        self.n = n

    def q(self, t):
        return single(fire_rate_at(self.points, self.n, t))

    def plume(self, q, z):
        if z > self.zf:
            return 0.076 * math.pow(0.65 * q * math.pow(z - self.zf, 5), 1.0 / 3.0)
        return 0.0

    def deriv(self, t, y):
        z, T = y
        q = self.q(t)
        mp = self.plume(q, z)
        bracket = (1 - self.lam) * q - 1.004 * mp * (T - 294.26)
        dT = T * bracket / 1.004 / 1.2 / 294.26 / self.A / (self.H - z)
        if z > 0:
            dz = (-T * mp) / 1.2 / 294.26 / self.A - ((self.H - z) / T) * dT
        else:
            dz = 0.0
        return [dz, dT]

    def vent(self, t, y):
        dT = self.deriv(t, y)[1]
        q = self.q(t)
        if y[0] > 0:
            return ((1 - self.lam) * q) / 1.004 / 294.26
        return 353.112 * self.A * self.H / math.pow(y[1], 2) * dT


def run(room, run_time):
    y = [room.H - 0.01, 294.26]
    t_prev = 0.0
    t = 1
    rows = [(0, 294.26 - 273.15, single(room.H), 0.0)]
    fire_end = room.points[room.n][0]
    while True:
        y = integrate(room.deriv, (0.001, 0.3), 1, float(t), t_prev, y)
        if y[0] < 0:
            y[0] = 0.0
        if t % 5 == 0 or y[0] <= room.zf or t >= run_time or t >= fire_end:
            v = room.vent(float(t), y)
            rows.append((t, y[1] - 273.15, single(y[0]), v))
        t_prev = float(t)
        t += 1
        if y[0] <= room.zf or t > run_time or t > fire_end:
            break
    if y[0] <= room.zf:
        msg = "LAYER INTERFACE DROPPED BELOW FUEL SURFACE - RUN TERMINATED"
    elif t > fire_end:
        msg = "END OF INPUT FIRE"
    else:
        msg = "RUN COMPLETE"
    return rows, msg


# ---------------------------------------------------------------- formatting

def fmt(value, pattern):
    if '.' in pattern:
        ip, dp = pattern.split('.')
        d = len(dp)
        dmin = dp.count('0')
    else:
        ip, d, dmin = pattern, 0, 0
    k = ip.count('0')
    sig15 = Decimal('%.14e' % abs(value))
    r = sig15.quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP)
    s = format(r, 'f')
    if '.' in s:
        ipart, dpart = s.split('.')
    else:
        ipart, dpart = s, ''
    ipart = ipart.lstrip('0')
    ipart = ipart.rjust(k, '0')
    while len(dpart) > dmin and dpart.endswith('0'):
        dpart = dpart[:-1]
    out = ipart + ('.' + dpart if '.' in pattern else '')
    if value < 0 and r != 0:
        out = '-' + out
    return out


def ra(value, pattern):
    s = fmt(value, pattern)
    return ' ' * max(0, len(pattern) - len(s)) + s


def report(args, area, height, fire_height, rows, msg, room):
    zf = single(fire_height)
    lines = ["SKEVA-XW VERSION 1.00 - JULY 1999",
             args.title,
             "SIMULATION OUTPUT DATA FILE : " + args.output_name,
             "FLOOR AREA                  : " + ra(area, "####.00") + " m^2 (" +
             ra(area / 0.0929, "####0.00") + " ft^2)",
             "ROOM HEIGHT                 :   " + ra(height, "#0.00") + " m   (  " +
             ra(height / 0.3048, "##0.00") + " ft  )",
             "FIRE HEIGHT                 :   " + ra(zf, "#0.00") + " m   (  " +
             ra(zf / 0.3048, "##0.00") + " ft  )",
             "HEAT LOSS FRACTION          :   " + ra(args.loss_fraction, "0.000"),
             "MAXIMUM RUN TIME            :   " + ra(args.run_time, "#####") + " s  ",
             "HEAT RELEASE RATE DATA FILE : " + args.fire_name,
             "",
             "Time    Temp    Temp  Layer  Layer     Fire     Fire    Vent    Vent",
             " sec   deg F   deg C     ft      m    Btu/s       kW    lb/s    kg/s",
             "=" * 68]
    for (t, tc, z, v) in rows:
        zz = z
        if height - zz <= 0.01:
            zz = height
        q = fire_rate_at(room.points, room.n, t)
        m = single(v)
        lines.append(ra(t, "###0") + "    " + ra(tc * 9 / 5 + 32, "###0") + "    " +
                     ra(tc, "###0") + "  " + ra(zz / 0.3048, "#0.00") + "  " +
                     ra(zz, "#0.00") + "  " + ra(q / 1.05504, "####0.0") + "  " +
                     ra(q, "####0.0") + "  " + ra(m * 2.205, "#0.000") + "  " +
                     ra(m, "#0.000"))
    lines.append(msg)
    return ''.join(line + '\r\n' for line in lines)


def main():
    p = argparse.ArgumentParser()
    p.add_argument('--fire', required=True)
    p.add_argument('--fire-name')
    p.add_argument('--floor-area', type=float)
    p.add_argument('--room-height', type=float)
    p.add_argument('--fire-height', type=float, default=0.0)
    p.add_argument('--us-floor-area', type=float)
    p.add_argument('--us-room-height', type=float)
    p.add_argument('--us-fire-height', type=float)
    p.add_argument('--loss-fraction', type=float, default=0.6)
    p.add_argument('--run-time', type=int, required=True)
    p.add_argument('--title', default='')
    p.add_argument('--output-name', required=True)
    a = p.parse_args()
    if a.fire_name is None:
        a.fire_name = a.fire
    area = a.floor_area
    height = a.room_height
    zf = a.fire_height
    if a.us_floor_area is not None:
        area = a.us_floor_area * single(0.0929)
    if a.us_room_height is not None:
        height = a.us_room_height * single(0.3048)
    if a.us_fire_height is not None:
        zf = a.us_fire_height * single(0.3048)
    points, n = read_fire(a.fire)
    room = Room(area, height, zf, a.loss_fraction, points, n)
    rows, msg = run(room, a.run_time)
    text = report(a, area, height, zf, rows, msg, room)
    import sys
    sys.stdout.buffer.write(text.encode('utf-8'))


if __name__ == '__main__':
    main()
