// Writes the launcher's initials table from every tool's name and category;
// run by scripts/pinyin-initials.sh, which installs the library.
// A character gets its reading alone; a word is listed where the reading a
// character has in a name or category differs from that. The table is then
// checked: applied as the launcher applies it, it must give the library's
// reading of every text, else nothing is written and the exit code is 1.
'use strict';
const fs = require('fs');
const path = require('path');
const [library, version] = process.argv.slice(2);
const { pinyin } = require(library);

const root = path.resolve(__dirname, '..');

function fail(message) {
  console.error(`pinyin-initials: ${message}`);
  process.exit(1);
}

// ---- The texts: name and category of every tool of the build list.

function suiteNumbers() {
  const list = fs.readFileSync(path.join(root, 'tools/suite.cmake'), 'utf8');
  const numbers = [...list.matchAll(/^\s*"(\d+)\|[^"]*"/gm)].map((m) => m[1]);
  if (numbers.length === 0) fail('no tool in tools/suite.cmake');
  return numbers;
}

function unescape(body) {
  return body.replace(/\\(x[0-9a-fA-F]+|u[0-9a-fA-F]{4}|.)/g, (_, e) => {
    if (e[0] === 'x' || e[0] === 'u') return String.fromCodePoint(parseInt(e.slice(1), 16));
    return { n: '\n', r: '\r', t: '\t' }[e] ?? e;
  });
}

// The fields of the ToolDef initializer up to the category: each a number,
// nullptr or adjacent wide literals.
function toolTexts(number) {
  const file = path.join(root, `tools/tool${number}.cpp`);
  const source = fs.readFileSync(file, 'utf8');
  const start = source.search(/constexpr\s+ToolDef\s+\w+\s*=\s*\{/);
  if (start < 0) fail(`${file}: no ToolDef`);
  let at = source.indexOf('{', start) + 1;
  const fields = [];
  const token = /\s*(?:\/\/[^\n]*\n\s*)*(L"((?:[^"\\]|\\.)*)"|nullptr|[\w:]+)\s*(,?)/y;
  let text = null;
  while (fields.length < 4) {
    token.lastIndex = at;
    const m = token.exec(source);
    if (!m) fail(`${file}: cannot read the ToolDef's first fields`);
    at = token.lastIndex;
    if (m[2] !== undefined) text = (text ?? '') + unescape(m[2]);
    else text = m[1];
    if (m[3] === ',') {
      fields.push(text);
      text = null;
    }
  }
  if (fields[0] !== number) fail(`${file}: the ToolDef's number is ${fields[0]}`);
  return [fields[1], fields[3]];
}

// ---- Readings

const blank = new Set([' ', '\t', '\u3000']);
const isHan = (c) => /\p{Script=Han}/u.test(c);

function contextual(text) {
  return pinyin(text, { pattern: 'first', toneType: 'none', type: 'all' }).map((r) => ({
    origin: r.origin,
    first: r.isZh ? r.first.toLowerCase() : null,
  }));
}

function alone(c) {
  const first = pinyin(c, { pattern: 'first', toneType: 'none' }).toLowerCase();
  if (!/^[a-z]$/.test(first)) fail(`no initial for ${c} (${first})`);
  return first;
}

// Polyphones the search must read by their word even before a name holds them.
const polyphones = ['长期', '剂量'];
const texts = [...new Set([...suiteNumbers().flatMap(toolTexts), ...polyphones])].sort();
const chars = new Map();
for (const text of texts) {
  for (const c of text) {
    if (!isHan(c)) continue;
    if (c.codePointAt(0) > 0xffff) fail(`${c} in ${text} lies outside the basic plane`);
    chars.set(c, alone(c));
  }
}

// Words the library misreads, with the dictionary's reading: 卒中 is cùzhòng, not zúzhòng.
const corrections = new Map([['卒中', 'cz']]);

function wanted(text) {
  const readings = contextual(text);
  if (readings.map((r) => r.origin).join('') !== text) fail(`the library split ${text} differently`);
  const out = readings.map((r) => (isHan(r.origin) ? r.first : null));
  const units = [...text];
  for (const [word, initials] of corrections) {
    const w = [...word];
    for (let i = 0; i + w.length <= units.length; ++i) {
      if (w.every((c, k) => units[i + k] === c)) w.forEach((_, k) => (out[i + k] = initials[k]));
    }
  }
  return out;
}

// As the launcher does it: each character alone, then the words, shorter before longer.
function byWords(a, b) {
  return a[0].length - b[0].length || (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0);
}

function applied(text, words) {
  const units = [...text];
  const out = units.map((c) => (isHan(c) ? chars.get(c) : null));
  for (const [word, initials] of [...words].sort(byWords)) {
    const w = [...word];
    for (let i = 0; i + w.length <= units.length; ++i) {
      if (w.every((c, k) => units[i + k] === c)) w.forEach((_, k) => (out[i + k] = initials[k]));
    }
  }
  return out;
}

// The shortest stretch of Han characters around position i that the library
// reads alone as it reads it in the text.
function wordAround(units, i, want) {
  let a = i;
  let b = i + 1;
  while (a > 0 && isHan(units[a - 1])) --a;
  while (b < units.length && isHan(units[b])) ++b;
  for (let length = 2; length <= b - a; ++length) {
    for (let s = Math.max(a, i - length + 1); s <= i && s + length <= b; ++s) {
      const word = units.slice(s, s + length).join('');
      const own = wanted(word);
      if (own.every((f, k) => f === want[s + k])) return [word, own.join('')];
    }
  }
  return [units.slice(a, b).join(''), want.slice(a, b).join('')];
}

const words = new Map();
for (let round = 0; round < 3; ++round) {
  let changed = false;
  for (const text of texts) {
    const units = [...text];
    const want = wanted(text);
    const got = applied(text, words);
    for (let i = 0; i < units.length; ++i) {
      if (want[i] === got[i]) continue;
      if (round === 0) {
        words.set(...wordAround(units, i, want));
      } else {
        // A shorter word misreads this text: the whole stretch, as the library reads it.
        let a = i;
        let b = i + 1;
        while (a > 0 && isHan(units[a - 1])) --a;
        while (b < units.length && isHan(units[b])) ++b;
        words.set(units.slice(a, b).join(''), want.slice(a, b).join(''));
      }
      changed = true;
      break;
    }
  }
  if (!changed) break;
}

function initialsText(text, readings) {
  let out = '';
  [...text].forEach((c, i) => {
    if (blank.has(c)) return;
    out += readings[i] ?? c.replace(/[A-Z]/g, (l) => l.toLowerCase());
  });
  return out;
}

for (const text of texts) {
  const want = wanted(text);
  const got = applied(text, words);
  if (want.some((f, i) => f !== got[i])) fail(`the table reads ${text} as ${got.join('')}, not ${want.join('')}`);
}

// ---- The files

function literal(text) {
  return 'L"' + text.replace(/[\\"]/g, (c) => '\\' + c) + '"';
}

const head = `// Generated by scripts/pinyin-initials.sh from the tools' names and categories
// with ${library} ${version}; do not edit by hand, run the script again.
`;
const charRows = [...chars.entries()]
  .sort((a, b) => a[0].codePointAt(0) - b[0].codePointAt(0))
  .map(([c, f]) => `PINYIN_CHAR(0x${c.codePointAt(0).toString(16).toUpperCase()}, '${f}') // ${c}`);
const wordRows = [...words.entries()].sort(byWords).map(([w, f]) => `PINYIN_WORD(${literal(w)}, "${f}")`);
const table = `${head}// Every Han character the texts use with its reading alone, by code point;
// then the words in which a character reads otherwise, shorter before longer.
${charRows.join('\n')}
${wordRows.join('\n')}
`;
const expected = `${head}// Every name and category of the suite, and a few polyphones, with its initials as the library reads the whole text.
${texts.map((t) => `{${literal(t)}, ${literal(initialsText(t, wanted(t)))}},`).join('\n')}
`;
fs.writeFileSync(path.join(root, 'launcher/pinyin_initials.inc'), table);
fs.writeFileSync(path.join(root, 'tests/pinyin_initials_expected.inc'), expected);
console.log(
  `pinyin-initials: ${texts.length} texts, ${chars.size} characters, ${words.size} words ` +
    `(${library} ${version}): launcher/pinyin_initials.inc, tests/pinyin_initials_expected.inc`,
);
