// The peer of `prayertimes --batch`: reads the same lines from stdin and prints the six times
// of each local day with the adhan package, whole lines at a time.
'use strict';
const fs = require('fs');
const adhan = require('adhan');

function degrees(text) {
    // "24.28N": degrees, then whole minutes, then the hemisphere.
    const match = /^(\d+)(?:\.(\d+))?([NSEW]?)$/.exec(text);
    if (!match) return NaN;
    const value = Number(match[1]) + Number(match[2] || 0) / 60;
    return match[3] === 'S' || match[3] === 'W' ? -value : value;
}

function parameters(method) {
    const table = {
        1: [18, 17, 0], 2: [19.5, 17.5, 0], 3: [18, 18, 0], 4: [15, 15, 0], 5: [19, 0, 90],
    };
    const [fajr, ishaa, interval] = table[method] || table[1];
    const params = new adhan.CalculationParameters('Other', fajr, ishaa, interval);
    params.madhab = adhan.Madhab.Shafi;
    return params;
}

function clock(date, offsetSeconds) {
    const shifted = new Date(date.getTime() + offsetSeconds * 1000 + 30000);
    const h = shifted.getUTCHours(), m = shifted.getUTCMinutes();
    return (h < 10 ? '0' : '') + h + ':' + (m < 10 ? '0' : '') + m;
}

const paramsByMethod = {};
const lines = fs.readFileSync(0, 'utf8').split('\n');
const output = [];
for (const line of lines) {
    if (!line) continue;
    const [lat, lon, offsetText, methodText, timeText] = line.split('\t');
    const offset = Number(offsetText);
    const method = Number(methodText);
    const params = paramsByMethod[method] || (paramsByMethod[method] = parameters(method));
    const local = new Date((Number(timeText) + offset) * 1000);
    const day = new Date(local.getUTCFullYear(), local.getUTCMonth(), local.getUTCDate());
    const times = new adhan.PrayerTimes(new adhan.Coordinates(degrees(lat), degrees(lon)), day, params);
    output.push([times.fajr, times.sunrise, times.dhuhr, times.asr, times.maghrib, times.isha]
        .map((t) => clock(t, offset)).join('\t'));
}
process.stdout.write(output.join('\n') + '\n');
