#!/usr/bin/env node
// Builds the two world-city tables from the city-timezones npm package data:
//   data/device/usr/SYSqtapp/worldclock/worldcities.tsv  (world-clock service)
//   data/device/usr/SYSqtapp/homescreen/az_timezone.cfg  (home-screen city table)
//
// Usage: node scripts/gen-world-cities.js <cityMap.json | city-timezones dir> [repo root]
//    or: CITY_TIMEZONES=<same> node scripts/gen-world-cities.js
// Needs nothing but node; the packages are read from wherever they were installed.
//
// Names in other languages (columns name_ar, name_fr of the TSV): the exemplar city of the
// city's time zone in the Unicode CLDR (npm cldr-dates-full, found beside city-timezones or in
// CLDR_DATES), when the city is that exemplar; else scripts/city-names-<language>.tsv, translated
// by hand (capitals and cities of a million people or more); else empty (the English name shows).
'use strict';

const fs = require('fs');
const path = require('path');

const MIN_POP = 400000;
// Standard offset = the smaller of these two; a fixed year keeps reruns identical
// for a given tz database, and Jan/Jul covers DST on both hemispheres.
const OFFSET_DATES = [Date.UTC(2025, 0, 15, 12), Date.UTC(2025, 6, 15, 12)];

// Cities the tables must carry whatever their population: [ISO2, name in data, display name].
const MUST = [
  ['GB', 'London'], ['FR', 'Paris'], ['EG', 'Cairo'], ['SA', 'Makkah', 'Mecca'],
  ['SA', 'Medina'], ['SA', 'Riyadh'], ['AE', 'Dubai'], ['AE', 'Abu Dhabi'],
  ['ID', 'Jakarta'], ['PK', 'Karachi'], ['TR', 'Istanbul'], ['US', 'New York'],
  ['NO', 'Oslo'], ['IS', 'Reykjavik'], ['NO', 'Tromso'], ['RU', 'Murmansk'],
  ['FI', 'Helsinki'], ['SE', 'Stockholm'], ['AU', 'Sydney'], ['JP', 'Tokyo'],
  // Far north (> 65 N): prayer times degenerate there, so tests need them.
  ['NO', 'Hammerfest'], ['NO', 'Alta'], ['NO', 'Bodo'], ['NO', 'Narvik'], ['NO', 'Kirkenes'],
  ['SE', 'Kiruna'], ['SE', 'Lulea'], ['FI', 'Rovaniemi'], ['IS', 'Akureyi', 'Akureyri'],
  ['IS', 'Isafjordur'], ['RU', 'Norilsk'], ['RU', 'Vorkuta'], ['RU', 'Salekhard'],
  ['RU', 'Dudinka'], ['RU', 'Tiksi'], ['RU', 'Khatanga'], ['RU', 'Pevek'],
  ['RU', 'Verkhoyansk'], ['RU', 'Dickson'], ['US', 'Barrow', 'Utqiagvik'],
  ['CA', 'Inuvik'], ['CA', 'Resolute'], ['CA', 'Alert'], ['GL', 'Ilulissat'],
  ['GL', 'Qaanaaq'],
  // Far south, for symmetry.
  ['AR', 'Ushuaia'], ['CL', 'Punta Arenas'],
];

// Places missing from the data altogether.
const EXTRA = [
  { city: 'Yaren', city_ascii: 'Yaren', lat: -0.5467, lng: 166.9211, pop: 747,
    iso2: 'NR', province: 'Yaren', timezone: 'Pacific/Nauru' },
];

// The data leaves these without a zone.
const ZONE_FIX = {
  'IR|Urmia': 'Asia/Tehran',
  'RU|Penza': 'Europe/Moscow',
  'RU|Perm': 'Asia/Yekaterinburg',
  'AR|Chilecito': 'America/Argentina/La_Rioja',
  'AR|Comodoro Rivadavia': 'America/Argentina/Catamarca',
  'CA|Fort St. John': 'America/Dawson_Creek',
  'NI|San Juan del Sur': 'America/Managua',
};

// Names the tz database has retired; the old ones survive only as links,
// which some distributions ship in a separate package.
const ZONE_RENAMED = {
  'America/Coral_Harbour': 'America/Atikokan',
  'America/Godthab': 'America/Nuuk',
  'America/Montreal': 'America/Toronto',
  'America/Nipigon': 'America/Toronto',
  'America/Pangnirtung': 'America/Iqaluit',
  'America/Thunder_Bay': 'America/Toronto',
  'America/Yellowknife': 'America/Edmonton',
  'Asia/Choibalsan': 'Asia/Ulaanbaatar',
  'Asia/Chongqing': 'Asia/Shanghai',
  'Asia/Harbin': 'Asia/Shanghai',
  'Asia/Kashgar': 'Asia/Urumqi',
  'Asia/Rangoon': 'Asia/Yangon',
  'Europe/Uzhgorod': 'Europe/Kyiv',
  'Europe/Zaporozhye': 'Europe/Kyiv',
};

// Records that are plainly wrong: a second Natal in Amazonas and a copy of
// Vila Velha in Amapa, both with a big city's population.
const DROP = new Set(['BR|Natal|Amazonas', 'BR|Vila Velha|Amapá']);

// Languages of the name columns, each with its hand-made list.
const LANGUAGES = ['ar', 'fr'];

// Break-away regions carry no ISO2 in the data.
const COUNTRY_ISO2 = { Kosovo: 'XK', Somaliland: 'SO' };

function die(msg) {
  console.error('gen-world-cities: ' + msg);
  process.exit(1);
}

function loadData(arg) {
  if (!arg) die('usage: gen-world-cities.js <cityMap.json | city-timezones dir> [repo root]');
  let file = arg;
  if (fs.statSync(arg).isDirectory()) {
    file = path.join(arg, 'data', 'cityMap.json');
    if (!fs.existsSync(file)) file = path.join(arg, 'node_modules', 'city-timezones', 'data', 'cityMap.json');
  }
  const rows = JSON.parse(fs.readFileSync(file, 'utf8'));
  if (!Array.isArray(rows)) die(file + ': not an array');
  return rows;
}

const isAscii = (s) => /^[\x20-\x7e]*$/.test(s);

function toAscii(s) {
  return s.normalize('NFD').replace(/[\u0300-\u036f]/g, '')
    .replace(/[\u2010-\u2015]/g, '-').replace(/[\u2018\u2019]/g, "'")
    .replace(/ø/g, 'o').replace(/Ø/g, 'O').replace(/æ/g, 'ae').replace(/Æ/g, 'AE')
    .replace(/ð/g, 'd').replace(/þ/g, 'th').replace(/ß/g, 'ss');
}

// Consumers split lines on "," and strip "(...)" suffixes.
function cleanName(s) {
  return s.replace(/[,()]/g, '').replace(/\s+/g, ' ').trim();
}

// city_ascii is sometimes a stale or misspelt name (Kashi for Kashgar, Hunanghua,
// a truncated "Qal eh-ye"), so an ASCII `city` wins; otherwise the transliteration.
function baseName(r) {
  const n = isAscii(r.city) ? r.city : toAscii(r.city_ascii || r.city);
  return cleanName(n);
}

function zoneValid(z) {
  if (!z) return false;
  try {
    new Intl.DateTimeFormat('en', { timeZone: z });
    return true;
  } catch (e) {
    return false;
  }
}

function offsetMinutes(zone, t) {
  const part = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' })
    .formatToParts(t).find((p) => p.type === 'timeZoneName').value;
  if (part === 'GMT') return 0;
  const m = /^GMT([+-])(\d\d):(\d\d)$/.exec(part);
  if (!m) die('unexpected offset text ' + part + ' for ' + zone);
  return (m[1] === '-' ? -1 : 1) * (Number(m[2]) * 60 + Number(m[3]));
}

function standardOffsetText(zone) {
  const min = Math.min(...OFFSET_DATES.map((t) => offsetMinutes(zone, t)));
  const a = Math.abs(min);
  return (min < 0 ? '-' : '+') + Math.floor(a / 60) + ':' + String(a % 60).padStart(2, '0');
}

// Whole degrees, a dot, rounded arc-minutes, hemisphere: 24.28N, 6.05S, 054.22E.
function dm(value, degDigits, pos, neg) {
  const a = Math.abs(value);
  let deg = Math.floor(a);
  let min = Math.round((a - deg) * 60);
  if (min === 60) { deg += 1; min = 0; }
  const hemi = value < 0 && (deg || min) ? neg : pos;
  return String(deg).padStart(degDigits, '0') + '.' + String(min).padStart(2, '0') + hemi;
}

function fixed4(v) {
  const s = v.toFixed(4);
  return s === '-0.0000' ? '0.0000' : s;
}

function distKm(a, b) {
  const r = Math.PI / 180;
  const x = (b.lng - a.lng) * r * Math.cos(((a.lat + b.lat) / 2) * r);
  const y = (b.lat - a.lat) * r;
  return Math.hypot(x, y) * 6371;
}

function readCapitals(file) {
  return fs.readFileSync(file, 'utf8').split('\n')
    .map((l) => l.replace(/\r$/, ''))
    .filter((l) => l.trim() && !l.startsWith('#'))
    .map((l) => {
      const [iso2, name, display] = l.split('\t');
      return [iso2, name, display];
    });
}

// The time zone as ICU names it, so CLDR's old ids (Asia/Calcutta) meet the current ones.
function canonicalZone(z) {
  try {
    return new Intl.DateTimeFormat('en', { timeZone: z }).resolvedOptions().timeZone;
  } catch (e) {
    return z;
  }
}

function findCldrDates(input) {
  const candidates = [process.env.CLDR_DATES];
  if (input) {
    let dir = path.resolve(input);
    for (let i = 0; i < 5; ++i) {
      candidates.push(path.join(dir, 'cldr-dates-full'), path.join(dir, 'node_modules', 'cldr-dates-full'));
      dir = path.dirname(dir);
    }
  }
  return candidates.find((c) => c && fs.existsSync(path.join(c, 'main', 'en', 'timeZoneNames.json')));
}

// zone -> exemplar city, for one CLDR locale.
function exemplarCities(cldr, locale) {
  const file = path.join(cldr, 'main', locale, 'timeZoneNames.json');
  const zones = JSON.parse(fs.readFileSync(file, 'utf8')).main[locale].dates.timeZoneNames.zone;
  const out = new Map();
  const walk = (node, prefix) => {
    for (const [k, v] of Object.entries(node)) {
      if (v && typeof v === 'object' && typeof v.exemplarCity === 'string') out.set(prefix + k, v.exemplarCity);
      else if (v && typeof v === 'object') walk(v, prefix + k + '/');
    }
  };
  walk(zones, '');
  return out;
}

// For each language: English city name + canonical zone -> name in that language.
function translatedNames(cldr) {
  const byLanguage = {};
  if (!cldr) return byLanguage;
  const english = exemplarCities(cldr, 'en');
  for (const language of LANGUAGES) {
    const local = exemplarCities(cldr, language);
    const map = new Map();
    for (const [zone, name] of local) {
      const last = zone.split('/').pop().replace(/_/g, ' ');
      const en = cleanName(toAscii(english.get(zone) || last));
      map.set(en + '|' + canonicalZone(zone), name);
    }
    byLanguage[language] = map;
  }
  return byLanguage;
}

function readHandNames(language) {
  const file = path.join(__dirname, 'city-names-' + language + '.tsv');
  const map = new Map();
  if (!fs.existsSync(file)) return map;
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    if (!line.trim() || line.startsWith('#')) continue;
    const [name, local] = line.split('\t');
    if (!name || !local || /[\t\r]/.test(local)) die(file + ': bad line "' + line + '"');
    map.set(name, local.trim());
  }
  return map;
}

function main() {
  const input = process.argv[2] || process.env.CITY_TIMEZONES;
  const root = process.argv[3] || path.resolve(__dirname, '..');
  const raw = loadData(input).concat(EXTRA);
  const cldr = findCldrDates(input);
  if (!cldr) console.error('cldr-dates-full not found: names in other languages come from the hand lists only');
  const cldrNames = translatedNames(cldr);

  // Normalise every record once.
  const problems = [];
  const cities = [];
  for (const r of raw) {
    if (DROP.has(r.iso2 + '|' + r.city + '|' + r.province)) continue;
    const iso2 = COUNTRY_ISO2[r.country] || (typeof r.iso2 === 'string' ? r.iso2 : '');
    const rec = {
      city: r.city, ascii: r.city_ascii, name: baseName(r), iso2,
      province: r.province || '', lat: Number(r.lat), lng: Number(r.lng),
      pop: Math.round(Number(r.pop) || 0), zone: r.timezone, why: '',
    };
    rec.zone = ZONE_FIX[iso2 + '|' + rec.name] || rec.zone;
    rec.zone = ZONE_RENAMED[rec.zone] || rec.zone;
    rec.bad = !zoneValid(rec.zone) ? 'no valid zone' :
      !/^[A-Z]{2}$/.test(iso2) ? 'no country code' :
      rec.lat === 0 && rec.lng === 0 ? 'no position' : '';
    cities.push(rec);
  }

  const find = (iso2, name) => {
    const hits = cities.filter((c) => c.iso2 === iso2 &&
      (c.city === name || c.ascii === name || c.name === cleanName(name)));
    return hits.sort((a, b) => b.pop - a.pop)[0];
  };

  const picked = new Set();
  const unmatched = [];
  const pin = (list, why) => {
    for (const [iso2, name, display] of list) {
      const c = find(iso2, name);
      if (!c || c.bad) { unmatched.push(why + ' ' + iso2 + ' ' + name + (c ? ' (' + c.bad + ')' : '')); continue; }
      if (display) c.name = cleanName(display);
      c.why = c.why || why;
      picked.add(c);
    }
  };
  pin(readCapitals(path.join(__dirname, 'capitals.txt')), 'capital');
  pin(MUST, 'must');
  for (const c of cities) {
    if (c.pop >= MIN_POP) {
      if (c.bad) problems.push('dropped ' + c.name + ' ' + c.iso2 + ': ' + c.bad);
      else picked.add(c);
    }
  }

  // The data lists some places twice (Copenhagen also as Kobenhavn, Bandar Lampung);
  // keep the pinned or bigger record and the larger population.
  let list = [...picked].sort((a, b) => (!!b.why - !!a.why) || (b.pop - a.pop));
  const kept = [];
  for (const c of list) {
    const twin = kept.find((k) => k.iso2 === c.iso2 && (distKm(k, c) < 1 ||
      (k.name === c.name && k.province === c.province && distKm(k, c) < 10)));
    if (twin) {
      problems.push('merged ' + c.name + ' into ' + twin.name + ' (' + c.iso2 + ')');
      twin.pop = Math.max(twin.pop, c.pop);
    } else {
      kept.push(c);
    }
  }
  list = kept;

  // Unique names: the biggest keeps the bare name, the rest get " - ISO2",
  // or " - province" where the country alone does not tell them apart.
  const groups = new Map();
  for (const c of list) {
    const k = c.name.toLowerCase();
    if (!groups.has(k)) groups.set(k, []);
    groups.get(k).push(c);
  }
  const taken = new Set(list.map((c) => c.name.toLowerCase()));
  for (const g of groups.values()) {
    if (g.length < 2) continue;
    g.sort((a, b) => b.pop - a.pop);
    for (const c of g.slice(1)) {
      const sameCountry = g.filter((o) => o.iso2 === c.iso2).length > 1;
      const prov = cleanName(toAscii(c.province));
      let n = c.name + ' - ' + (sameCountry && prov ? prov : c.iso2);
      if (taken.has(n.toLowerCase())) n = c.name + ' - ' + prov + ' ' + c.iso2;
      if (taken.has(n.toLowerCase())) die('cannot make a unique name for ' + c.name);
      taken.add(n.toLowerCase());
      c.name = n;
    }
  }

  list.sort((a, b) => (a.name < b.name ? -1 : a.name > b.name ? 1 : 0));

  // Final checks; any failure means the outputs must not be trusted.
  const seen = new Set();
  for (const c of list) {
    if (!c.name || /[,(]/.test(c.name) || !isAscii(c.name)) die('bad name "' + c.name + '"');
    if (seen.has(c.name.toLowerCase())) die('duplicate name ' + c.name);
    seen.add(c.name.toLowerCase());
  }
  if (list.length < 1000) die('only ' + list.length + ' cities');

  const hand = {};
  for (const language of LANGUAGES) hand[language] = readHandNames(language);
  const stats = {};
  const localName = (c, language) => {
    const fromCldr = cldrNames[language] && cldrNames[language].get(c.name + '|' + canonicalZone(c.zone));
    const name = hand[language].get(c.name) || fromCldr || '';
    if (name) stats[language] = (stats[language] || 0) + 1;
    if (/[\t\n]/.test(name)) die('bad ' + language + ' name for ' + c.name);
    return name;
  };
  const wanted = [];
  const tsv = ['# name\tzone\tlatitude\tlongitude\tcountry' + LANGUAGES.map((l) => '\tname_' + l).join('')];
  const cfg = [];
  for (const c of list) {
    const names = LANGUAGES.map((l) => localName(c, l));
    if (!names[0] && (c.why === 'capital' || c.pop >= 1000000)) wanted.push(c.name);
    tsv.push([c.name, c.zone, fixed4(c.lat), fixed4(c.lng), c.iso2, ...names].join('\t'));
    cfg.push([c.name, standardOffsetText(c.zone), c.iso2, c.zone, c.pop,
      dm(c.lat, 1, 'N', 'S'), dm(c.lng, 3, 'E', 'W')].join(', '));
  }
  const abu = cfg.find((l) => l.startsWith('Abu Dhabi, '));
  if (!/^Abu Dhabi, \+4:00, AE, Asia\/Dubai, \d+, 24\.28N, 054\.22E$/.test(abu || '')) {
    die('Abu Dhabi line is off: ' + abu);
  }

  const tsvPath = path.join(root, 'data', 'device', 'usr', 'SYSqtapp', 'worldclock', 'worldcities.tsv');
  const cfgPath = path.join(root, 'data', 'device', 'usr', 'SYSqtapp', 'homescreen', 'az_timezone.cfg');
  fs.mkdirSync(path.dirname(cfgPath), { recursive: true });
  fs.writeFileSync(tsvPath, tsv.join('\n') + '\n');
  fs.writeFileSync(cfgPath, cfg.join('\n') + '\n');

  for (const p of problems) console.error(p);
  for (const language of LANGUAGES) console.log((stats[language] || 0) + ' names in ' + language);
  if (process.env.LIST_UNTRANSLATED) for (const w of wanted) console.log('UNTRANSLATED ' + w);
  for (const u of unmatched) console.error('NOT FOUND: ' + u);
  console.log(list.length + ' cities -> ' + path.relative(root, tsvPath) + ', ' + path.relative(root, cfgPath));
  if (unmatched.length) process.exitCode = 2;
}

main();
