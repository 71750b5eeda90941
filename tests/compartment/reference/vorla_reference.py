#!/usr/bin/env python3
"""An independent second implementation of a VORLA-XW compartment run and its
saved report, used to make the golden reports the C++ tests compare byte for
byte. It is deliberately plain and slow; CI does not run it.

Usage:
  vorla_reference.py --fire FILE --output-name NAME --floor-area A --room-height H
                     --vent-width W --sill-height H --soffit-height H --fire-height H
                     [--radiative-fraction X] [--loss-fraction X] --run-time S
                     [--units si|us] [--title TEXT] [--flashover stop|continue]
                     [--fire-name NAME] -o REPORT

The inputs are typed as in the input form (in the units of --units); --fire-name
is what the report shows as the fire file (default: --fire as given).
"""
import argparse
import math
import struct
import sys
from decimal import Decimal, ROUND_HALF_UP

AMB = 294.26


def pw(x, y):
    """x ** y with the C library's IEEE results (an overflow is an infinity,
    not an exception)."""
    try:
        return math.pow(x, y)
    except OverflowError:
        return math.inf
    except ValueError:
        return math.nan


def f32(x):
    """The nearest single-precision value."""
    if math.isfinite(x) and abs(x) >= 3.4028235677973366e38:
        return math.copysign(math.inf, x)
    return struct.unpack('f', struct.pack('f', x))[0]


# ---------------------------------------------------------------- formatting

def fmt(value, pattern):
    """Pattern formatting: 15 significant digits first, then the pattern's
    decimals with halves away from zero."""
    point = pattern.find('.')
    if point < 0:
        int_part, dec_part = pattern, ''
    else:
        int_part, dec_part = pattern[:point], pattern[point + 1:]
    d = len(dec_part)
    dmin = dec_part.count('0')
    k = int_part.count('0')
    negative = value < 0
    v15 = Decimal('%.14e' % abs(value))
    q = v15.quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP)
    text = format(q, 'f')
    if '.' in text:
        ip, dp = text.split('.')
    else:
        ip, dp = text, ''
    ip = ip.lstrip('0')
    if len(ip) < k:
        ip = '0' * (k - len(ip)) + ip
    while len(dp) > dmin and dp.endswith('0'):
        dp = dp[:-1]
    out = ip + ('.' + dp if point >= 0 else '')
    if negative and q != 0:
        out = '-' + out
    return out


def ralign(value, pattern):
    s = fmt(value, pattern)
    return ' ' * max(0, len(pattern) - len(s)) + s


# ---------------------------------------------------------------- fire table

def read_fire(path):
    text = open(path, encoding='latin-1').read()
    fields = text.replace(',', ' ').split()
    points = []
    i = 0
    while True:
        t, q = float(fields[i]), float(fields[i + 1])
        i += 3
        points.append((t, q))
        if q < 0:
            break
    n = len(points) - 2
    return points, n


def fire_rate(points, n, t):
    k = n
    for i in range(1, n):
        if points[i][0] > t:
            k = i
            break
    t0, q0 = points[k - 1]
    t1, q1 = points[k]
    if t1 == t0:
        return q0 if t < t1 else q1
    return q0 + (q1 - q0) * (t - t0) / (t1 - t0)


# ---------------------------------------------------------------- integrator

def rk_step(f, d, h, x, y):
    k1 = [h * d[0], h * d[1]]
    yt = [y[0] + k1[0] / 2, y[1] + k1[1] / 2]
    dd = f(x + h / 2, yt)
    k2 = [h * dd[0], h * dd[1]]
    yt = [y[0] + k2[0] / 2, y[1] + k2[1] / 2]
    dd = f(x + h / 2, yt)
    k3 = [h * dd[0], h * dd[1]]
    yt = [y[0] + k3[0], y[1] + k3[1]]
    dd = f(x + h, yt)
    k4 = [h * dd[0], h * dd[1]]
    return [y[i] + k1[i] / 6 + k2[i] / 3 + k3[i] / 3 + k4[i] / 6 for i in range(2)]


def integrate(f, tol, t_end, t_start, y):
    h = (t_end - t_start) / 1
    hh = h / 2
    x = t_start
    d = f(x, y)
    yfull = rk_step(f, d, h, x, y)
    yhalf = rk_step(f, d, hh, x, y)
    xm = f32(x + hh)
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
            if hs <= hh / pw(e, 0.2) or m == 32:
                break
        xs = f32(x)
        yhalf = rk_step(f, d, hs, xs, list(y))
        for _ in range(m - 1):
            xs = f32(xs + hs)
            d2 = f(xs, yhalf)
            yhalf = rk_step(f, d2, hs, xs, yhalf)
    return yhalf


# ---------------------------------------------------------------- physics

class Room:
    def __init__(self, A, H, W, sill, soffit, zf, chi, lam, mvent, points, n):
        self.A, self.H, self.W, self.sill, self.hs = A, H, W, sill, soffit
        self.zf, self.chi, self.lam, self.mvent = zf, chi, lam, mvent
        self.points, self.n = points, n

    def plume(self, Q, z):
        if z <= self.zf:
            return 0.0
        base = (1 - self.chi) * Q * pw(z - self.zf, 5)
        if base < 0:
            return 0.0
        m = f32(0.076 * pw(base, 1.0 / 3.0))
        mmax = 55 * pw(0.076, 1.5) * pw(1 - self.chi, 0.5) * pw(z - self.zf, 2.5)
        if m > mmax:
            m = f32(mmax)
        return m

    def heating(self, T, Q, mp, z):
        if self.H - z == 0:
            return 0.0
        return T * ((1 - self.lam) * Q - mp * 1.004 * (T - AMB)) / 1.004 / 1.2 / AMB / self.A / (self.H - z)

    def flows(self, t, y, single):
        """Returns (rate, [f1, f2, f3], air flag, regime flag)."""
        z, T = y
        rate = fire_rate(self.points, self.n, t)
        if single:
            rate = f32(rate)
        Q = rate
        mp = self.plume(Q, z) if z > self.zf else 0.0
        if Q > 3030 * mp:
            rate = 3030 * mp
            if single:
                rate = f32(rate)
            Q = rate
            air = '  Y'
        else:
            air = '  N'
        hs = self.hs
        if z >= hs:
            return rate, [0.0, (1 - self.lam) * Q / (1.004 * AMB), 0.0], air, '  1'
        tdot = self.heating(T, Q, mp, z)
        E = mp * (T - AMB) / T + 353.112 * self.A * (self.H - z) * tdot / pw(T, 2)
        if z <= self.sill:
            return rate, [0.0, 0.0, E], air, '   '
        W = self.W
        g1 = 11.772 * (1 / AMB - 1 / T)
        g2 = (AMB / T) * g1
        emax = f32(17.7 * W * 0.68 * math.sqrt(abs(g2)) * pw(abs(hs - z), 1.5))
        if E > emax:
            regime = '  2'
            lo = 0.0
            hi = AMB * pw(E * T / (26.6 * W * 0.68 * (z - self.sill) * AMB), 2)
            count = 0
            while True:
                dp = (lo + hi) / 2
                mlow = 26.6 * W * 0.68 * math.sqrt(abs(dp / AMB)) * (z - self.sill)
                a = dp / T
                if g2 != 0:
                    mup = 17.7 * W * 0.68 * (pw(abs(a + g2 * (hs - z)), 1.5) - pw(abs(a), 1.5)) / g2
                else:
                    mup = 17.7 * W * 0.68 * (1.5 * math.sqrt(abs(a)) * (hs - z))
                r = T * mup + AMB * mlow - T * E
                count += 1
                if abs(r) <= 0.1 or dp == lo or dp == hi or count >= 4096:
                    break
                if r > 0:
                    hi = dp
                else:
                    lo = dp
            fl = [0.0, (T / AMB) * (E - mup), mup]
        elif E < emax:
            regime = '  3'
            lo = 0.0
            inv = 1 / AMB - 1 / T
            hi = 3461 * (hs - z) * inv
            count = 0
            while True:
                dp = (lo + hi) / 2
                plane = (dp / 3461) / inv if inv != 0 else 0.0
                N = f32(z + plane)
                mins = 26.6 * W * 0.68 * math.sqrt(abs(dp / AMB)) * (z - self.sill) + \
                    17.7 * W * 0.68 * math.sqrt(abs(g1)) * pw(abs(N - z), 1.5)
                mup = 17.7 * W * 0.68 * math.sqrt(abs(g2)) * pw(abs(hs - N), 1.5)
                r = T * mup - AMB * mins - T * E
                count += 1
                if abs(r) <= 0.1 or dp == lo or dp == hi or count >= 4096:
                    break
                if r < 0:
                    hi = dp
                else:
                    lo = dp
            fl = [(T / AMB) * (mup - E), 0.0, mup]
        else:
            regime = '  T'
            fl = [0.0, 0.0, E]
        if fl[0] > self.mvent:
            regime = '  4'
            fl = [self.mvent, 0.0, E + (AMB / T) * self.mvent]
        return rate, fl, air, regime

    def derivatives(self, t, y):
        Q, fl, _, _ = self.flows(t, y, True)
        z, T = y
        mp = self.plume(Q, z) if z > self.zf else 0.0
        dT = T * ((1 - self.lam) * Q - mp * 1.004 * (T - AMB)) / 1.004 / 1.2 / AMB / self.A / (self.H - z) \
            if self.H - z != 0 else 0.0
        dz = (fl[0] - fl[1] - mp) / 1.2 / self.A
        return [dz, dT]


def run(room, run_time, flashover_answer_yes, question_log):
    rows = []
    last_fire = room.points[room.n][0]
    tprev = 0.0
    t = 1
    y = [room.H - 0.01, 294.26]
    rows.append((0, 294.26 - 273.15, f32(room.H), fire_rate(room.points, room.n, 0), 0.0, '  1', '  N'))
    seen = False
    stop = False
    unstable = False
    while True:
        y = integrate(room.derivatives, (0.001, 0.3), t, tprev, y)
        if not (math.isfinite(y[0]) and math.isfinite(y[1]) and y[1] > 0):
            unstable = True
            break
        if y[0] < 0:
            y[0] = 0.0
        z, T = y
        fo = T > 873.15 and not seen
        if t % 5 == 0 or z <= room.zf or z <= room.sill or fo or t >= run_time or t >= last_fire:
            rate, fl, air, regime = room.flows(t, y, False)
            if not (math.isfinite(rate) and math.isfinite(fl[2])):
                unstable = True
                break
            rows.append((t, T - 273.15, f32(z), rate, fl[2], regime, air))
        if fo:
            question_log.append('Flashover occurred at %s seconds.  Terminate simulation?' % fmt(t, '###0'))
            stop = flashover_answer_yes
        if T > 873.15:
            seen = True
        tprev = f32(t)
        t = t + 1
        if stop or z <= room.zf or z <= room.sill or t > run_time or t > last_fire:
            break
    if unstable:
        msg = 'CALCULATION BECAME UNSTABLE - RUN TERMINATED'
    elif stop:
        msg = 'FLASHOVER OCCURRED - RUN TERMINATED BY USER'
    elif y[0] <= room.zf:
        msg = 'LAYER INTERFACE DROPPED BELOW FUEL SURFACE - RUN TERMINATED'
    elif y[0] <= room.sill:
        msg = 'LAYER INTERFACE DROPPED BELOW VENT SILL - RUN TERMINATED'
    elif t > last_fire:
        msg = 'END OF INPUT FIRE'
    else:
        msg = 'RUN COMPLETE'
    return rows, msg


# ---------------------------------------------------------------- report

def height_line(label, v):
    return label + ralign(v, '#0.00') + ' m   (' + ralign(v / 0.3048, '##0.00') + ' ft)'


def report(title, outname, firename, A, H, W, sill, soffit, zf, chi, lam, run_time, rows, msg):
    lines = ['VORLA-XW VERSION 1.00 - JULY 1999', title,
             'SIMULATION OUTPUT DATA FILE : ' + outname,
             'ROOM AREA                   : ' + ralign(A, '####.00') + ' m^2 (' + ralign(A / 0.0929, '####0.00') + ' ft^2)',
             height_line('ROOM HEIGHT                 :   ', H),
             height_line('WIDTH OF VENT               :   ', W),
             height_line('VENT SILL HEIGHT            :   ', sill),
             height_line('VENT SOFFIT HEIGHT          :   ', soffit),
             height_line('FIRE HEIGHT                 :   ', zf),
             'RADIATIVE FRACTION          :   ' + ralign(chi, '0.000'),
             'HEAT LOSS FRACTION          :   ' + ralign(lam, '0.000'),
             'MAXIMUM RUN TIME            :   ' + ralign(run_time, '#####') + ' s  ',
             'HEAT RELEASE RATE DATA FILE : ' + firename,
             '',
             'Time   Temp   Temp  Layer  Layer    Fire    Fire   Vent   Vent FR OS',
             ' sec  deg F  deg C     ft      m   Btu/s      kW   lb/s   kg/s      ',
             '=' * 68]
    for (t, c, z, q, m, fr, os_) in rows:
        if H - z <= 0.01:
            z = H
        m = f32(m)
        row = (ralign(t, '###0') + '   ' + ralign(c * 9 / 5 + 32, '###0') + '   ' + ralign(c, '###0') +
               '  ' + ralign(z / 0.3048, '#0.00') + '  ' + ralign(z, '#0.00') +
               ' ' + ralign(q / 1.05504, '####0.0') + ' ' + ralign(q, '####0.0') +
               ' ' + ralign(m * 2.205, '#0.000') + ' ' + ralign(m, '#0.000') + fr + os_)
        lines.append(row)
    lines.append(msg)
    return '\r\n'.join(lines) + '\r\n'


def main():
    p = argparse.ArgumentParser()
    p.add_argument('--fire', required=True)
    p.add_argument('--fire-name')
    p.add_argument('--output-name', required=True)
    p.add_argument('--title', default='')
    p.add_argument('--units', default='si')
    for name in ['floor-area', 'room-height', 'vent-width', 'sill-height', 'soffit-height', 'fire-height',
                 'run-time']:
        p.add_argument('--' + name, type=float, required=True)
    p.add_argument('--radiative-fraction', type=float, default=0.35)
    p.add_argument('--loss-fraction', type=float, default=0.6)
    p.add_argument('--flashover', default='stop')
    p.add_argument('-o', required=True)
    a = p.parse_args()
    lf, af = (0.3048, 0.0929) if a.units == 'us' else (1.0, 1.0)
    A = a.floor_area * af
    H = a.room_height * lf
    W = a.vent_width * lf
    sill = a.sill_height * lf
    soffit = f32(a.soffit_height * lf)
    zf = a.fire_height * lf
    chi, lam = a.radiative_fraction, a.loss_fraction
    run_time = int(round(a.run_time))  # Python rounds halves to even
    mvent = (0.52 * W) * pw(soffit - sill, 1.5)
    points, n = read_fire(a.fire)
    room = Room(A, H, W, sill, soffit, zf, chi, lam, mvent, points, n)
    questions = []
    rows, msg = run(room, run_time, a.flashover == 'stop', questions)
    for q in questions:
        print(q, file=sys.stderr)
    text = report(a.title[:60], a.output_name, a.fire_name or a.fire, A, H, W, sill, soffit, zf, chi, lam,
                  run_time, rows, msg)
    with open(a.o, 'w', newline='') as out:
        out.write(text)


if __name__ == '__main__':
    main()
