#!/usr/bin/env python3
"""Fails when files of different modules include each other in a cycle.

A component is a header with its source (x.h and x.cpp of one folder); it
depends on every component whose header it includes. A module is a folder:
common, data, reports, maint, and each area folder of app. Components that
reach each other through their includes while lying in different modules
are a cycle between modules; the check lists them and exits with 1.
"""
import os
import re
import sys

GYOKER = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MAPPAK = ['common', 'data', 'reports', 'app', 'maint']
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def fajlok():
    for m in MAPPAK:
        for d, _, nevek in os.walk(os.path.join(GYOKER, m)):
            for n in nevek:
                if n.endswith(('.h', '.cpp')):
                    yield os.path.relpath(os.path.join(d, n), GYOKER)


def komponens(ut):
    return os.path.splitext(ut)[0]


def modul(komp):
    reszek = komp.split('/')
    return '/'.join(reszek[:2]) if reszek[0] == 'app' and len(reszek) > 2 else reszek[0]


def felold(ut, nev, meglevok):
    # Beside the including file first, then the modules' include folders.
    for alap in [os.path.dirname(ut)] + MAPPAK:
        jelolt = os.path.normpath(os.path.join(alap, nev))
        if jelolt in meglevok:
            return jelolt
    return None


def main():
    osszes = set(fajlok())
    el = {}
    for ut in osszes:
        k = komponens(ut)
        el.setdefault(k, set())
        with open(os.path.join(GYOKER, ut), encoding='utf-8') as f:
            for nev in INCLUDE.findall(f.read()):
                cel = felold(ut, nev, osszes)
                if cel and komponens(cel) != k:
                    el[k].add(komponens(cel))
    # Tarjan's strongly connected components.
    index, mely, verem, veremben, eredmeny = {}, {}, [], set(), []
    sys.setrecursionlimit(10000)

    def bejar(v):
        index[v] = mely[v] = len(index)
        verem.append(v)
        veremben.add(v)
        for w in el.get(v, ()):
            if w not in index:
                bejar(w)
                mely[v] = min(mely[v], mely[w])
            elif w in veremben:
                mely[v] = min(mely[v], index[w])
        if mely[v] == index[v]:
            resz = []
            while True:
                w = verem.pop()
                veremben.discard(w)
                resz.append(w)
                if w == v:
                    break
            eredmeny.append(resz)

    for v in sorted(el):
        if v not in index:
            bejar(v)
    korok = [sorted(r) for r in eredmeny if len({modul(k) for k in r}) > 1]
    for r in korok:
        print('include cycle between modules: ' + ' <-> '.join(r))
    if korok:
        return 1
    print('include check: no cycle between modules (%d components)' % len(el))
    return 0


if __name__ == '__main__':
    sys.exit(main())
