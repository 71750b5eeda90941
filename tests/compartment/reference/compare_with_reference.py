#!/usr/bin/env python3
"""Runs each golden scenario through the reference implementation and through
the built `vorla compartment`, and says where the two reports differ. With
--write-goldens it stores the reference reports as the goldens the C++ tests
read. Run from the repository root:

  tests/compartment/reference/compare_with_reference.py build/dev/bin/vorla [--write-goldens]
"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..', '..'))
GOLDEN = os.path.join(ROOT, 'tests', 'compartment', 'model', 'golden')
DATA = os.path.join(ROOT, 'tests', 'compartment', 'model', 'data')
EXAMPLES = os.path.join(ROOT, 'examples')

# name: (fire file, shown fire name, options)
SCENARIOS = {
    'office-flashover-stop': (
        os.path.join(EXAMPLES, 'office-sofa-tsquared.fir'), 'SOFA.FIR',
        ['--title', 'Office, sofa fire', '--output-name', 'OFFICE.VOF', '--floor-area', '20',
         '--room-height', '2.4', '--vent-width', '0.9', '--sill-height', '0', '--soffit-height', '2',
         '--fire-height', '0', '--run-time', '600']),
    'office-flashover-continue': (
        os.path.join(EXAMPLES, 'office-sofa-tsquared.fir'), 'SOFA.FIR',
        ['--title', 'Office, sofa fire, run on past flashover', '--output-name', 'OFFICE2.VOF',
         '--floor-area', '20', '--room-height', '2.4', '--vent-width', '0.9', '--sill-height', '0',
         '--soffit-height', '2', '--fire-height', '0', '--run-time', '1500', '--flashover', 'continue']),
    'high-sill-stop': (
        os.path.join(EXAMPLES, 'pallets-fast-tsquared.fir'), 'PALLETS.FIR',
        ['--title', 'Store room, high window', '--output-name', 'STORE.VOF', '--floor-area', '60',
         '--room-height', '3', '--vent-width', '1.2', '--sill-height', '1.1', '--soffit-height', '2.1',
         '--fire-height', '0', '--run-time', '900']),
    'starved-raised-fire': (
        os.path.join(EXAMPLES, 'pallets-fast-tsquared.fir'), 'PALLETS.FIR',
        ['--title', 'Fire on a mezzanine', '--output-name', 'MEZZ.VOF', '--floor-area', '150',
         '--room-height', '6', '--vent-width', '2', '--sill-height', '0.5', '--soffit-height', '2.4',
         '--fire-height', '3', '--radiative-fraction', '0.3', '--loss-fraction', '0.7',
         '--run-time', '900']),
    'soffit-near-ceiling': (
        os.path.join(DATA, 'delayed-start.fir'), 'DELAYED.FIR',
        ['--title', 'Soffit 5 mm below the ceiling', '--output-name', 'SOFFIT.VOF',
         '--floor-area', '25', '--room-height', '3', '--vent-width', '1', '--sill-height', '0',
         '--soffit-height', '2.995', '--fire-height', '0', '--run-time', '300']),
    'tiny-room-unstable': (
        os.path.join(EXAMPLES, 'heptane-pool-1m.fir'), 'POOL1.FIR',
        ['--title', 'A cupboard with a pool fire', '--output-name', 'CUPBOARD.VOF',
         '--floor-area', '0.05', '--room-height', '3', '--vent-width', '0.3', '--sill-height', '0',
         '--soffit-height', '0.8', '--fire-height', '0', '--run-time', '600']),
    'us-units-pool': (
        os.path.join(EXAMPLES, 'heptane-pool-1m.fir'), 'POOL1.FIR',
        ['--units', 'us', '--title', 'Workshop, heptane pool (U.S. inputs)', '--output-name',
         'SHOP.VOF', '--floor-area', '1076.5', '--room-height', '12', '--vent-width', '3',
         '--sill-height', '0', '--soffit-height', '6.875', '--fire-height', '1.5',
         '--run-time', '423.5']),
    'end-of-fire-before-run-time': (
        os.path.join(EXAMPLES, 'heptane-pool-1m.fir'), 'POOL1.FIR',
        ['--title', 'Pool fire ends before the run time', '--output-name', 'POOL.VOF',
         '--floor-area', '40', '--room-height', '3', '--vent-width', '2', '--sill-height', '0',
         '--soffit-height', '2.2', '--fire-height', '0.5', '--run-time', '1200']),
    'slow-fire-9000s': (
        os.path.join(DATA, 'slow-growth-9000s.fir'), 'SLOW.FIR',
        ['--title', 'Hall, slow fire for 9000 s', '--output-name', 'HALL.VOF', '--floor-area', '800',
         '--room-height', '8', '--vent-width', '4', '--sill-height', '0', '--soffit-height', '3',
         '--fire-height', '0', '--run-time', '9000']),
    'fast-fire-9000s-continue': (
        os.path.join(DATA, 'fast-growth-9000s.fir'), 'FAST.FIR',
        ['--title', 'Small room, flashover, run on to 9000 s', '--output-name', 'SMALL.VOF',
         '--floor-area', '13', '--room-height', '2.5', '--vent-width', '0.8', '--sill-height', '0',
         '--soffit-height', '2.1', '--fire-height', '0', '--run-time', '9000',
         '--flashover', 'continue']),
}


def main():
    vorla = sys.argv[1]
    write = '--write-goldens' in sys.argv
    failures = 0
    scratch = tempfile.mkdtemp(prefix='vorla-reference-')
    for name, (fire, shown, options) in SCENARIOS.items():
        reference = os.path.join(scratch, name + '.vof')
        subprocess.run([sys.executable, os.path.join(HERE, 'vorla_reference.py'), '--fire', fire,
                        '--fire-name', shown, '-o', reference] + options,
                       check=True, stderr=subprocess.DEVNULL)
        expected = open(reference, 'rb').read()
        built = subprocess.run([vorla, 'compartment', '--fire', fire] + options,
                               capture_output=True, check=False).stdout
        built = built.replace(('HEAT RELEASE RATE DATA FILE : ' + fire).encode(),
                              ('HEAT RELEASE RATE DATA FILE : ' + shown).encode())
        rows = expected.count(b'\r\n') - 18
        end = expected.rstrip(b'\r\n').rsplit(b'\r\n', 1)[1].decode()
        if built == expected:
            print('same      %-28s %5d rows  %s' % (name, rows, end))
        else:
            failures += 1
            print('DIFFERENT %-28s' % name)
            a = expected.split(b'\r\n')
            b = built.split(b'\r\n')
            for i, (x, y) in enumerate(zip(a, b)):
                if x != y:
                    print('  line %d\n    reference %s\n    built     %s' % (i + 1, x.decode(), y.decode()))
                    break
            if len(a) != len(b):
                print('  %d lines against %d' % (len(a), len(b)))
        if write:
            os.makedirs(GOLDEN, exist_ok=True)
            with open(os.path.join(GOLDEN, name + '.vof'), 'wb') as out:
                out.write(expected)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
