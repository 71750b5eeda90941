#!/usr/bin/env python3
"""Runs each golden scenario (golden/scenarios.tsv) through the reference
implementation and through the built `vorla compartment`, and says where the two reports differ. With
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
GOLDEN = os.path.join(ROOT, 'tests', 'compartment', 'golden')

SCENARIOS_FILE = os.path.join(GOLDEN, 'scenarios.tsv')


def scenarios():
    """name -> (fire file, fire name the golden shows, options)."""
    found = {}
    for line in open(SCENARIOS_FILE, encoding='utf-8'):
        line = line.rstrip('\n')
        if not line or line.startswith('#'):
            continue
        name, fire, shown, *options = line.split('\t')
        found[name] = (os.path.join(ROOT, fire), shown, options)
    return found


def main():
    vorla = sys.argv[1]
    write = '--write-goldens' in sys.argv
    failures = 0
    scratch = tempfile.mkdtemp(prefix='vorla-reference-')
    for name, (fire, shown, options) in scenarios().items():
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
