// The web page in a real browser: Debian's Chromium, headless, driven through the
// DevTools protocol. The page is served from 127.0.0.1 and played with real key events:
// a short game (play.script), a reload of the page, Load Game (load.script). It passes
// when (a) every frame taken from the canvas equals, pixel for pixel, the native headless
// frame of the same script, seed and clock, and (b) the state after the reload equals the
// state before it, as it does in the native game.
//   node browser_test.js --build NATIVE_BUILD --web WEB_FOLDER [--measure]
// --measure prints the timings of tools/bench/hoofmeasure.cpp natively and in the page.
// Exits 77 (skipped) when Chromium or the built page is missing.
'use strict';
const { spawn, spawnSync } = require('child_process');
const crypto = require('crypto');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');

const SEED = 4242;
const CLOCK = 1000;
const here = __dirname;
const top = path.resolve(here, '..', '..');

function option(name, fallback) {
    const at = process.argv.indexOf(name);
    return at >= 0 && at + 1 < process.argv.length ? process.argv[at + 1] : fallback;
}
const nativeBuild = path.resolve(option('--build', path.join(top, 'build')));
const webFolder = path.resolve(option('--web', path.join(top, 'build-web')));
const chromium = option('--chromium', '/usr/bin/chromium');

function skip(why) {
    console.log('browser test skipped: ' + why);
    process.exit(77);
}
function fail(why) {
    console.error('browser test FAILED: ' + why);
    process.exitCode = 1;
}

// ---- The scripts -------------------------------------------------------------------------
// The headless script language, as far as these scripts use it (see the README).
function readScript(file) {
    const steps = [];
    fs.readFileSync(file, 'utf8').split('\n').forEach((raw, i) => {
        const words = raw.replace(/#.*/, '').trim().split(/\s+/).filter(Boolean);
        if (!words.length) return;
        const verb = words[0].toLowerCase();
        const known = { wait: 2, hold: -1, release: -1, tap: -1, shot: 2, dump: 2 };
        if (!(verb in known) || (known[verb] > 0 && words.length !== known[verb]))
            throw new Error(file + ' line ' + (i + 1) + ': the browser test does not play "' + raw.trim() + '"');
        steps.push({ verb, args: words.slice(1) });
    });
    return steps;
}

// The native run: the same script, with the captures written into `folder`.
function runNative(root, script, folder) {
    const text = readScript(script).map((s) =>
        s.verb === 'shot' ? 'shot ' + path.join(folder, s.args[0] + '.png')
        : s.verb === 'dump' ? 'dump ' + path.join(folder, s.args[0] + '.txt')
        : s.verb + ' ' + s.args.join(' ')).join('\n') + '\n';
    const file = path.join(folder, path.basename(script));
    fs.writeFileSync(file, text);
    const r = spawnSync(path.join(nativeBuild, 'hoofbound'), ['--headless', '--root', root, '--seed', String(SEED),
        '--clock', String(CLOCK), '--script', file], { encoding: 'utf8' });
    if (r.status !== 0) throw new Error('the native game failed on ' + script + ': ' + r.stderr);
}

// ---- PNG, as the native game and the browser write it (8-bit RGB or RGBA) ---------------------
function readPng(file) {
    const bytes = fs.readFileSync(file);
    let at = 8, width = 0, height = 0, channels = 4;
    const idat = [];
    while (at < bytes.length) {
        const length = bytes.readUInt32BE(at), type = bytes.toString('latin1', at + 4, at + 8);
        const body = bytes.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            if (body[8] !== 8 || (body[9] !== 6 && body[9] !== 2) || body[12] !== 0) throw new Error(file + ': not 8-bit RGB(A)');
            channels = body[9] === 6 ? 4 : 3;
        } else if (type === 'IDAT') idat.push(body);
        at += 12 + length;
    }
    const raw = zlib.inflateSync(Buffer.concat(idat)), n = channels, stride = width * n, px = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let x = 0; x < stride; ++x) {
            const a = x >= n ? px[y * stride + x - n] : 0, b = y > 0 ? px[(y - 1) * stride + x] : 0;
            const c = x >= n && y > 0 ? px[(y - 1) * stride + x - n] : 0;
            const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
            const paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            const add = [0, a, b, (a + b) >> 1, paeth][filter];
            px[y * stride + x] = (line[x] + add) & 255;
        }
    }
    if (n === 4) return { width, height, rgba: px };
    const rgba = Buffer.alloc(width * height * 4, 255);
    for (let p = 0; p < width * height; ++p) px.copy(rgba, p * 4, p * 3, p * 3 + 3);
    return { width, height, rgba };
}

// ---- A small DevTools client: one WebSocket to one page ----------------------------------------
function getJson(url) {
    return new Promise((resolve, reject) => {
        http.get(url, (res) => {
            let text = '';
            res.on('data', (d) => (text += d));
            res.on('end', () => { try { resolve(JSON.parse(text)); } catch (e) { reject(e); } });
        }).on('error', reject);
    });
}

function connect(wsUrl) {
    return new Promise((resolve, reject) => {
        const url = new URL(wsUrl);
        const req = http.request({ host: url.hostname, port: url.port, path: url.pathname, headers: {
            Connection: 'Upgrade', Upgrade: 'websocket', 'Sec-WebSocket-Version': '13',
            'Sec-WebSocket-Key': crypto.randomBytes(16).toString('base64') } });
        req.on('error', reject);
        req.on('upgrade', (res, socket) => {
            let buffer = Buffer.alloc(0), parts = [], nextId = 1;
            const waiting = new Map(), listeners = [];
            const send = (text) => {
                const body = Buffer.from(text), mask = crypto.randomBytes(4);
                const head = body.length < 126 ? Buffer.from([0x81, 0x80 | body.length])
                    : body.length < 65536 ? Buffer.from([0x81, 0xfe, body.length >> 8, body.length & 255])
                    : Buffer.concat([Buffer.from([0x81, 0xff]), (() => { const b = Buffer.alloc(8); b.writeBigUInt64BE(BigInt(body.length)); return b; })()]);
                for (let i = 0; i < body.length; ++i) body[i] ^= mask[i & 3];
                socket.write(Buffer.concat([head, mask, body]));
            };
            const message = (text) => {
                const m = JSON.parse(text);
                if (m.id && waiting.has(m.id)) {
                    const { resolve: ok, reject: no } = waiting.get(m.id);
                    waiting.delete(m.id);
                    if (m.error) no(new Error(JSON.stringify(m.error))); else ok(m.result);
                } else if (m.method) listeners.forEach((l) => l(m));
            };
            socket.on('data', (chunk) => {
                buffer = Buffer.concat([buffer, chunk]);
                for (;;) {
                    if (buffer.length < 2) return;
                    let length = buffer[1] & 127, at = 2;
                    if (length === 126) { if (buffer.length < 4) return; length = buffer.readUInt16BE(2); at = 4; }
                    else if (length === 127) { if (buffer.length < 10) return; length = Number(buffer.readBigUInt64BE(2)); at = 10; }
                    if (buffer.length < at + length) return;
                    const opcode = buffer[0] & 15, fin = buffer[0] & 128, body = buffer.subarray(at, at + length);
                    buffer = buffer.subarray(at + length);
                    if (opcode === 1 || opcode === 0) {
                        parts.push(Buffer.from(body));
                        if (fin) { const text = Buffer.concat(parts).toString(); parts = []; message(text); }
                    }
                }
            });
            socket.on('close', () => waiting.forEach(({ reject: no }) => no(new Error('DevTools connection closed'))));
            resolve({
                call(method, params = {}) {
                    const id = nextId++;
                    send(JSON.stringify({ id, method, params }));
                    return new Promise((ok, no) => waiting.set(id, { resolve: ok, reject: no }));
                },
                on(listener) { listeners.push(listener); },
                close() { socket.destroy(); },
            });
        });
        req.end();
    });
}

// ---- The page -------------------------------------------------------------------------------
const keys = {
    space: [' ', 'Space', 32], enter: ['Enter', 'Enter', 13], esc: ['Escape', 'Escape', 27],
    up: ['ArrowUp', 'ArrowUp', 38], down: ['ArrowDown', 'ArrowDown', 40], left: ['ArrowLeft', 'ArrowLeft', 37],
    right: ['ArrowRight', 'ArrowRight', 39], lshift: ['Shift', 'ShiftLeft', 16], rshift: ['Shift', 'ShiftRight', 16],
    f12: ['F12', 'F12', 123],
};
function keyEvent(name, type) {
    const lower = name.toLowerCase();
    let k = keys[lower];
    if (!k && /^[a-z]$/.test(lower)) k = [lower, 'Key' + lower.toUpperCase(), lower.toUpperCase().charCodeAt(0)];
    if (!k && /^[1-9]$/.test(lower)) k = [lower, 'Digit' + lower, lower.charCodeAt(0)];
    if (!k) throw new Error('no browser key for ' + name);
    return { type, key: k[0], code: k[1], windowsVirtualKeyCode: k[2], nativeVirtualKeyCode: k[2] };
}

async function evaluate(page, expression) {
    const r = await page.call('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
    if (r.exceptionDetails) throw new Error('in the page: ' + JSON.stringify(r.exceptionDetails).slice(0, 500));
    return r.result.value;
}

async function until(page, expression, what, seconds = 60) {
    const end = Date.now() + seconds * 1000;
    while (Date.now() < end) {
        if (await evaluate(page, expression)) return;
        await new Promise((r) => setTimeout(r, 50));
    }
    throw new Error('gave up waiting: ' + what);
}

async function capture(page) {
    return evaluate(page, `(() => {
        const c = Module.canvas, d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        let s = '';
        for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
        return { width: c.width, height: c.height, rgba: btoa(s) };
    })()`);
}

// Plays a script on the page with real key events; frames run at the driver's word.
async function playInPage(page, script, captures) {
    const steps = readScript(script);
    for (let i = 0; i < steps.length; ++i) {
        const { verb, args } = steps[i];
        if (verb === 'wait') {
            if (Number(args[0]) > 0) await evaluate(page, `Module.hoofRunFrames(${Number(args[0])})`);
        } else if (verb === 'hold' || verb === 'release') {
            for (const k of args) await page.call('Input.dispatchKeyEvent', keyEvent(k, verb === 'hold' ? 'keyDown' : 'keyUp'));
        } else if (verb === 'tap') {
            await page.call('Input.dispatchKeyEvent', keyEvent(args[0], 'keyDown'));
            await evaluate(page, `Module.hoofRunFrames(${Number(args[1] || 1)})`);
            await page.call('Input.dispatchKeyEvent', keyEvent(args[0], 'keyUp'));
        } else {
            // Shots and dumps one after another capture the same frame, the next one.
            const group = [];
            while (i < steps.length && (steps[i].verb === 'shot' || steps[i].verb === 'dump')) group.push(steps[i++]);
            --i;
            for (const s of group) if (s.verb === 'dump') await evaluate(page, `Module.hoofRequestDump('/tmp/${s.args[0]}.txt')`);
            await evaluate(page, 'Module.hoofRunFrames(1)');
            for (const s of group) {
                captures[s.args[0]] = s.verb === 'dump'
                    ? await evaluate(page, `Module.FS.readFile('/tmp/${s.args[0]}.txt', { encoding: 'utf8' })`)
                    : await capture(page);
            }
        }
    }
}

// Every file under `root`, by its path inside it.
function filesIn(root, name = '', files = new Map()) {
    for (const entry of fs.readdirSync(path.join(root, name), { withFileTypes: true })) {
        const rel = name ? name + '/' + entry.name : entry.name;
        if (entry.isDirectory()) filesIn(root, rel, files);
        else files.set(rel, fs.readFileSync(path.join(root, rel)));
    }
    return files;
}

function readDump(text) {
    const lines = new Map();
    for (const line of text.split('\n')) {
        if (!line) continue;
        const space = line.indexOf(' ');
        lines.set(space < 0 ? line : line.slice(0, space), space < 0 ? '' : line.slice(space + 1));
    }
    return lines;
}

function comparePictures(name, web, nativeFile) {
    const native = readPng(nativeFile);
    if (web.width !== native.width || web.height !== native.height)
        return fail(`${name}: the canvas is ${web.width}x${web.height}, the native frame ${native.width}x${native.height}`);
    const rgba = Buffer.isBuffer(web.rgba) ? web.rgba : Buffer.from(web.rgba, 'base64');
    let differing = 0, first = '';
    for (let p = 0; p < native.width * native.height; ++p) {
        const w = rgba.readUIntBE(p * 4, 3), n = native.rgba.readUIntBE(p * 4, 3);
        if (w !== n && differing++ === 0)
            first = ` first at (${p % native.width}, ${Math.floor(p / native.width)}): page #${w.toString(16)}, native #${n.toString(16)}`;
    }
    if (differing) return fail(`${name}: ${differing} pixels differ from the native frame;${first}`);
    console.log(`${name}: equals the native frame, ${native.width}x${native.height}, pixel for pixel`);
}

function compareDumps(name, web, native) {
    const diff = [];
    for (const [k, v] of native) if (web.get(k) !== v) diff.push(`${k}: native ${v}, page ${web.get(k)}`);
    for (const k of web.keys()) if (!native.has(k)) diff.push(`${k}: only in the page`);
    if (diff.length) return fail(`${name}: the page's state differs from the native game's: ${diff.slice(0, 8).join('; ')}`);
    console.log(`${name}: the page's state dump equals the native game's (${native.size} lines)`);
}

// Serves the page on 127.0.0.1 and starts Chromium on an empty profile in `scratch`;
// the page's DevTools connection, the page's address and what its console said.
async function openBrowser(scratch, children) {
    const server = spawn(process.execPath, [path.join(top, 'scripts', 'web-serve.js'), webFolder, '0']);
    children.push(server);
    const address = await new Promise((resolve, reject) => {
        let text = '';
        server.stdout.on('data', (d) => { text += d; const m = /http:\/\/127\.0\.0\.1:\d+\//.exec(text); if (m) resolve(m[0]); });
        server.on('exit', () => reject(new Error('the page server stopped')));
    });

    const browser = spawn(chromium, ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--user-data-dir=' + path.join(scratch, 'profile'), '--remote-debugging-port=0',
        '--window-size=1280,1024', 'about:blank'], { stdio: ['ignore', 'ignore', 'pipe'], detached: true });
    children.push(browser);
    const devtools = await new Promise((resolve, reject) => {
        let text = '';
        browser.stderr.on('data', (d) => { text += d; const m = /DevTools listening on ws:\/\/([^/]+)\//.exec(text); if (m) resolve(m[1]); });
        browser.on('exit', () => reject(new Error('Chromium stopped: ' + text.slice(-2000))));
    });
    const targets = await getJson('http://' + devtools + '/json/list');
    const page = await connect(targets.find((t) => t.type === 'page').webSocketDebuggerUrl);
    const consoleLines = [];
    page.on((m) => {
        if (m.method === 'Runtime.consoleAPICalled')
            consoleLines.push(m.params.args.map((a) => a.value).join(' '));
        if (m.method === 'Runtime.exceptionThrown') consoleLines.push(JSON.stringify(m.params.exceptionDetails).slice(0, 400));
    });
    await page.call('Runtime.enable');
    await page.call('Page.enable');

    return { page, address, consoleLines };
}

// --measure: hoofmeasure's timings natively and in the page, one after the other on this
// machine, side by side.
async function measure(scratch, children) {
    const native = spawnSync(path.join(nativeBuild, 'hoofmeasure'), [], { encoding: 'utf8' });
    if (native.status !== 0) throw new Error('hoofmeasure failed: ' + native.stderr);
    const { page, address } = await openBrowser(scratch, children);
    await page.call('Page.navigate', { url: address + 'measure.html' });
    await until(page, "window.hoofMeasured === true", 'the timings in the page', 600);
    const web = await evaluate(page, "document.getElementById('out').textContent");
    // The page as a player has it, paced by the real clock: frames a second, frames that
    // changed the canvas, and the share of a core the page's main thread kept busy, on the
    // title (which moves) and in a game waiting for a key.
    const pace = async (what) => {
        const metric = async () => Object.fromEntries((await page.call('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
        const counts = () => evaluate(page, '[Module.hoofFrames || 0, Module.hoofFramesShown || 0]');
        const [f0, s0] = await counts(), m0 = await metric(), t0 = Date.now();
        await new Promise((r) => setTimeout(r, 5000));
        const [f1, s1] = await counts(), m1 = await metric(), seconds = (Date.now() - t0) / 1000;
        console.log(`${what}: ${((f1 - f0) / seconds).toFixed(1)} frames a second, ${((s1 - s0) / seconds).toFixed(1)} drawn, ` +
            `main thread busy ${(100 * (m1.TaskDuration - m0.TaskDuration) / seconds).toFixed(1)} % of a core`);
    };
    await page.call('Performance.enable');
    await page.call('Page.navigate', { url: address + 'index.html?seed=7' });
    await until(page, "typeof Module !== 'undefined' && (Module.hoofFrames || 0) > 30", 'the page to run');
    await pace('page on the title');
    for (let k = 0; k < 5; ++k) {
        await page.call('Input.dispatchKeyEvent', keyEvent('Space', 'keyDown'));
        await new Promise((r) => setTimeout(r, 100));
        await page.call('Input.dispatchKeyEvent', keyEvent('Space', 'keyUp'));
        await new Promise((r) => setTimeout(r, 400));
    }
    await new Promise((r) => setTimeout(r, 1000));
    const shot = await page.call('Page.captureScreenshot', { format: 'png' });
    fs.writeFileSync(path.join(os.tmpdir(), 'hoof-page-in-game.png'), Buffer.from(shot.data, 'base64'));
    await pace('page in a game, waiting for a key');
    page.close();
    const timings = (text) => new Map([...text.matchAll(/^(.*): ([0-9.]+) ms$/gm)].map((m) => [m[1], Number(m[2])]));
    const n = timings(native.stdout), w = timings(web);
    console.log('timing'.padEnd(26) + 'native ms'.padStart(10) + 'page ms'.padStart(10) + 'page/native'.padStart(13));
    for (const [name, ms] of n) {
        const inPage = w.get(name);
        console.log(name.padEnd(26) + ms.toFixed(3).padStart(10) + (inPage === undefined ? '-' : inPage.toFixed(3)).padStart(10) +
            (inPage === undefined ? '' : (inPage / ms).toFixed(2)).padStart(13));
    }
}

async function main() {
    if (!fs.existsSync(chromium)) skip(chromium + ' is not installed (apt-get install chromium)');
    if (!fs.existsSync(path.join(webFolder, 'index.wasm'))) skip('no page in ' + webFolder + ' (scripts/web.sh build)');
    if (!fs.existsSync(path.join(nativeBuild, 'hoofbound'))) skip('no native game in ' + nativeBuild);

    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'hoof-browser-'));
    const children = [];
    try {
        if (process.argv.includes('--measure')) return await measure(scratch, children);
        // The native game: the short game, then Load Game in the same folder.
        const nativeRoot = path.join(scratch, 'native');
        fs.mkdirSync(nativeRoot);
        runNative(nativeRoot, path.join(here, 'play.script'), scratch);
        const nativeFiles = filesIn(nativeRoot);
        runNative(nativeRoot, path.join(here, 'load.script'), scratch);

        const { page, address, consoleLines } = await openBrowser(scratch, children);

        const downloads = path.join(scratch, 'downloads');
        await page.call('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
        const url = `${address}index.html?seed=${SEED}&clock=${CLOCK}&driven`;
        // A fresh page each time: the old one is marked, so nothing is read from it.
        const open = async () => {
            await evaluate(page, 'window.hoofOldPage = true');
            await page.call('Page.navigate', { url });
            await until(page, "!window.hoofOldPage && typeof Module !== 'undefined' && !!Module.hoofWaiting && " +
                "Module.hoofWaiting()", 'the game to start in the page');
            console.log('the page (re)loaded; files kept in the browser: ' +
                await evaluate(page, "Module.FS.readdir('/data').filter((n) => n[0] !== '.').join(' ')"));
        };
        const web = {};
        try {
            await open();
            await playInPage(page, path.join(here, 'play.script'), web);
            // Esc twice saved the run and ended the game, as it ends the native one.
            if (!(await evaluate(page, 'Module.hoofEnded'))) throw new Error('Esc twice did not end the game in the page');
            // A file replaced as the game replaces one outside a save of several, with no
            // flush after it: the page copies it to storage all the same.
            await evaluate(page, "Module.FS.writeFile('/data/Probe.new', 'kept'); Module.FS.rename('/data/Probe.new', '/data/Probe.txt')");
            // Everything saved is in the browser's storage before the page goes away.
            await evaluate(page, 'Module.hoofFilesSettled()');
            await open();
            // Every file the native game left, byte for byte, and nothing else.
            web.files = new Map(Object.entries(await evaluate(page, `(() => {
                const files = {};
                const walk = (dir, name) => {
                    for (const entry of Module.FS.readdir(dir)) {
                        if (entry === '.' || entry === '..') continue;
                        const full = dir + '/' + entry, rel = name ? name + '/' + entry : entry;
                        if (Module.FS.isDir(Module.FS.stat(full).mode)) walk(full, rel);
                        else files[rel] = btoa(Array.from(Module.FS.readFile(full), (c) => String.fromCharCode(c)).join(''));
                    }
                };
                walk('/data', '');
                return files;
            })()`)));
            await playInPage(page, path.join(here, 'load.script'), web);
        } catch (e) {
            console.error('the page said:\n  ' + consoleLines.slice(-20).join('\n  '));
            throw e;
        }
        page.close();

        // F12 in the page: the download is the native game's screenshot, pixel for pixel.
        const shotName = 'Screenshot0001.png', downloaded = path.join(downloads, shotName);
        for (let k = 0; k < 100 && !fs.existsSync(downloaded); ++k) await new Promise((r) => setTimeout(r, 50));
        if (!fs.existsSync(downloaded)) fail('F12 in the page offered no ' + shotName + ' as a download');
        else comparePictures('F12 download', readPng(downloaded), path.join(nativeRoot, shotName));

        const unlike = [];
        for (const [name, bytes] of nativeFiles) {
            if (!web.files.has(name)) unlike.push(name + ' is missing');
            else if (Buffer.compare(Buffer.from(web.files.get(name), 'base64'), bytes) !== 0) unlike.push(name + ' differs');
        }
        if (web.files.get('Probe.txt') !== Buffer.from('kept').toString('base64')) unlike.push('Probe.txt was not kept');
        web.files.delete('Probe.txt');
        for (const name of web.files.keys()) if (!nativeFiles.has(name)) unlike.push(name + ' is only in the page');
        if (unlike.length) fail('the files kept in the browser after the reload are not the native game\'s: ' + unlike.join('; '));
        else console.log(`the files kept in the browser equal the native game's, byte for byte (${nativeFiles.size} files)`);

        for (const shot of ['title', 'wizard', 'map', 'loaded']) comparePictures(shot, web[shot], path.join(scratch, shot + '.png'));
        const nativeBefore = readDump(fs.readFileSync(path.join(scratch, 'before.txt'), 'utf8'));
        const nativeAfter = readDump(fs.readFileSync(path.join(scratch, 'after.txt'), 'utf8'));
        const before = readDump(web.before), after = readDump(web.after);
        compareDumps('before the reload', before, nativeBefore);
        compareDumps('after the reload', after, nativeAfter);
        // What the native game keeps across its save and load, the page kept across the reload.
        const lost = [];
        let kept = 0;
        for (const [k, v] of nativeBefore) {
            if (nativeAfter.get(k) !== v) continue;
            if (after.get(k) === before.get(k)) ++kept; else lost.push(`${k}: ${before.get(k)} -> ${after.get(k)}`);
        }
        if (after.get('InGame') !== '1') fail('Load Game after the reload did not resume the run');
        if (lost.length) fail('the reload lost: ' + lost.slice(0, 8).join('; '));
        else console.log(`the state after the reload equals the state before it (${kept} saved lines)`);
    } finally {
        // Chromium writes its profile until it is gone: the folder goes after it.
        await Promise.all(children.map((child) => new Promise((resolve) => {
            if (child.exitCode !== null || child.signalCode !== null) return resolve();
            child.on('exit', resolve);
            child.kill();
            setTimeout(() => { child.kill('SIGKILL'); resolve(); }, 5000);
        })));
        // Chromium's helpers (its own process group) go with it.
        for (const child of children) if (child.spawnargs[0] === chromium) try { process.kill(-child.pid, 'SIGKILL'); } catch (e) { /* gone */ }
        fs.rmSync(scratch, { recursive: true, force: true, maxRetries: 20 });
    }
}

main().catch((e) => {
    fail(e.stack || String(e));
    process.exit(1);
});
