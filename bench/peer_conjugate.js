// SPDX-License-Identifier: GPL-3.0-or-later
// Times the npm conjugator's conjugateSync over the verbs read from standard
// input (one a line), the way BM_FullParadigmJsonLines runs ours: one pass
// to warm up, then whole passes until two seconds of CPU time have gone,
// per region. CPU time, as our benchmarks count it, so that other work on
// the machine weighs on neither side.
// Usage: node peer_conjugate.js PACKAGE_DIR < words.txt
'use strict';
const fs = require('fs');
const { Conjugator } = require(process.argv[2]);

const conjugator = new Conjugator();
// conjugateSync checks the verb against getVerbListSync(), which sorts the
// package's 14,456 verbs with localeCompare on every call (tens of
// milliseconds). Asked once, the list is the same; keeping it leaves the
// conjugation itself to be timed, and the linear check of the list.
const verbList = conjugator.getVerbListSync();
conjugator.getVerbListSync = () => verbList;

const known = new Set(verbList);
const words = fs.readFileSync(0, 'utf8').split('\n').filter((word) => word.length > 0);
const verbs = words.filter((word) => known.has(word));

function pass(region) {
  let rows = 0;
  for (const verb of verbs) {
    const result = conjugator.conjugateSync(verb, region);
    if (typeof result === 'string') throw new Error(`${verb}: ${result}`);
    rows += result.length;
  }
  return rows;
}

function cpuMicroseconds() {
  const usage = process.cpuUsage();
  return usage.user + usage.system;
}

function time(region) {
  pass(region);
  let passes = 0;
  const start = cpuMicroseconds();
  let elapsed = 0;
  do {
    pass(region);
    ++passes;
    elapsed = cpuMicroseconds() - start;
  } while (elapsed < 2e6);
  const microseconds = elapsed / passes / verbs.length;
  console.log(`peer conjugateSync(${region}): ${verbs.length} verbs of ${words.length}, ` +
              `${passes} passes, ${microseconds.toFixed(1)} us a verb`);
  return microseconds;
}

const castellano = time('castellano');
const voseo = time('voseo');
console.log(`PEER_US_PER_VERB ${castellano.toFixed(2)} ${voseo.toFixed(2)}`);
