// The page's side of the web target, run before the game starts: the canvas, the page's
// keys and pointer, the files kept in the browser's storage, and the hand-over to a test
// driver. The game's side is page.cpp and png_web.cpp.

// ---- Keys ------------------------------------------------------------------------------
// The game's key codes (platform.h) by the page's key positions. Letters follow the
// layout the player types with, as on the desktop; digits and the rest keep their place.
var hoofKeyByCode = {
    ArrowUp: 38, Numpad8: 38, ArrowDown: 40, Numpad2: 40, ArrowLeft: 37, Numpad4: 37,
    ArrowRight: 39, Numpad6: 39, Enter: 13, NumpadEnter: 13, Escape: 27, Space: 32,
    ShiftLeft: 160, ShiftRight: 161, F12: 123
};

function hoofGameKey(e) {
    if (hoofKeyByCode.hasOwnProperty(e.code)) return hoofKeyByCode[e.code];
    var digit = /^Digit([1-9])$/.exec(e.code);
    if (digit) return 48 + Number(digit[1]);
    if (e.key && e.key.length === 1) {
        var c = e.key.toUpperCase().charCodeAt(0);
        if (c >= 65 && c <= 90) return c;
    }
    return -1;
}

var hoofEvents = [];
// A key goes up as the key that pressed it, so a layout change in between cannot leave
// a letter held; two positions of one game key (Up and keypad 8) let it go with the last.
var hoofHeldBy = {};

function hoofKeyDown(e) {
    if (e.ctrlKey || e.altKey || e.metaKey) return;  // the browser's own shortcuts
    var key = hoofGameKey(e);
    if (key < 0) return;
    e.preventDefault();
    if (e.repeat || hoofHeldBy[e.code] !== undefined) return;
    hoofHeldBy[e.code] = key;
    hoofEvents.push([1, key, 0]);
}

function hoofKeyUp(e) {
    var key = hoofHeldBy[e.code];
    if (key === undefined) return;
    e.preventDefault();
    delete hoofHeldBy[e.code];
    for (var code in hoofHeldBy) if (hoofHeldBy[code] === key) return;
    hoofEvents.push([2, key, 0]);
}

function hoofLetGo() {
    hoofHeldBy = {};
    hoofEvents.push([3, 0, 0]);
}

// The pointer in screen pixels, through the canvas's place and scale on the page.
function hoofPointer(e) {
    var canvas = Module.canvas, box = canvas.getBoundingClientRect();
    if (box.width <= 0 || box.height <= 0) return;
    var x = Math.floor((e.clientX - box.left) * canvas.width / box.width);
    var y = Math.floor((e.clientY - box.top) * canvas.height / box.height);
    hoofEvents.push([4, x, y]);
}

Module.hoofTakeEvent = function (a, b) {
    var e = hoofEvents.shift();
    if (!e) return 0;
    HEAP32[a >> 2] = e[1];
    HEAP32[b >> 2] = e[2];
    return e[0];
};

// ---- The canvas --------------------------------------------------------------------------
// As the window does: by whole steps, crisp, when the page holds the screen at least
// once; else shrunk to fit. The canvas keeps the screen's own size; only its look scales.
function hoofLayout() {
    var canvas = Module.canvas;
    if (!canvas.width || !canvas.height) return;
    var w = window.innerWidth, h = window.innerHeight, sw = canvas.width, sh = canvas.height;
    var scale = (w >= sw && h >= sh) ? Math.floor(Math.min(w / sw, h / sh)) : Math.min(w / sw, h / sh);
    canvas.style.width = Math.max(1, Math.round(sw * scale)) + 'px';
    canvas.style.height = Math.max(1, Math.round(sh * scale)) + 'px';
    canvas.style.imageRendering = scale >= 1 ? 'pixelated' : 'auto';
}

var hoofContext = null;
Module.hoofShow = function (rgba, width, height) {
    var canvas = Module.canvas;
    if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
        hoofContext = null;
        hoofLayout();
    }
    if (!hoofContext) hoofContext = canvas.getContext('2d');
    hoofContext.putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height), 0, 0);
};

// ---- The test driver ------------------------------------------------------------------------
// With ?driven in the address the page plays as a headless script does: each frame
// waits for the driver's word, and the clock counts frames. The driver sends real key
// events to the page, runs frames with hoofRunFrames(n) and asks for state dumps.
// measure.html sets hoofUnpaced as well: then every frame runs at once, unpaced.
var hoofBudget = 0, hoofWake = null, hoofIdle = [];
var hoofDumpRequests = [];

Module.hoofAwaitFrame = function () {
    if (hoofBudget > 0 || Module.hoofUnpaced) {
        hoofBudget--;
        return Promise.resolve();
    }
    var idle = hoofIdle;
    hoofIdle = [];
    idle.forEach(function (done) { done(); });
    return new Promise(function (resolve) { hoofWake = resolve; });
};

// Runs n frames (n >= 1); resolves once they are drawn and the game waits again, or
// once the game has ended.
Module.hoofRunFrames = function (n) {
    return new Promise(function (resolve) {
        if (Module.hoofEnded) return resolve();
        hoofIdle.push(resolve);
        hoofBudget += n;
        if (hoofWake) {
            var wake = hoofWake;
            hoofWake = null;
            hoofBudget--;
            wake();
        }
    });
};

// The game saved and quit: nothing waits for frames any more.
Module.hoofEnded = false;
Module.hoofGameEnded = function () {
    Module.hoofEnded = true;
    var idle = hoofIdle;
    hoofIdle = [];
    idle.forEach(function (done) { done(); });
    if (Module.onGameEnded) Module.onGameEnded();
};

// True while the game waits for the driver's word.
Module.hoofWaiting = function () { return hoofWake !== null; };

// The state is dumped at `path` after the next frame, as a script's dump step.
Module.hoofRequestDump = function (path) { hoofDumpRequests.push(path); };

Module.hoofTakeDumpRequest = function () {
    var path = hoofDumpRequests.shift();
    if (path === undefined) return 0;
    var size = lengthBytesUTF8(path) + 1, at = _malloc(size);
    stringToUTF8(path, at, size);
    return at;
};

// ---- Files in the browser's storage ------------------------------------------------------------
// World/, the global files and Settings.txt live in /data, kept in IndexedDB. The game's own
// flushes carry its saves there in order: a file's flush, or its folder's after a rename,
// copies the folder's changes to storage before the game goes on (the frame waits for it).
// What no flush follows (a rename of one file, a removal, the end of a save of several
// files) asks for a copy too; it starts when the game next gives the browser its turn, at
// the end of the frame that saved. The copies run one after another, never two at once.
var hoofDataRoot = '/data';
var hoofSync = { running: false, again: false, settled: [] };

function hoofInData(path) {
    return typeof path === 'string' && (path === hoofDataRoot || path.indexOf(hoofDataRoot + '/') === 0);
}

function hoofSyncFiles() {
    if (hoofSync.running) {
        hoofSync.again = true;
        return;
    }
    hoofSync.running = true;
    hoofSync.again = false;
    FS.syncfs(false, function (err) {
        hoofSync.running = false;
        if (err) console.error('hoofbound: the saves could not be kept in the browser\'s storage: ' + err);
        if (hoofSync.again) {
            hoofSyncFiles();
            return;
        }
        var settled = hoofSync.settled;
        hoofSync.settled = [];
        settled.forEach(function (done) { done(); });
    });
}

var hoofSyncAsked = false;
function hoofFilesChanged(path) {
    if (!hoofInData(path) || hoofSyncAsked) return;
    hoofSyncAsked = true;
    setTimeout(function () {
        hoofSyncAsked = false;
        hoofSyncFiles();
    }, 0);
}

// Resolves once every change made so far is in storage.
Module.hoofFilesSettled = function () {
    if (!hoofSync.running && !hoofSyncAsked) return Promise.resolve();
    return new Promise(function (resolve) { hoofSync.settled.push(resolve); });
};

function hoofOneCopyAtATime() {
    var syncfs = IDBFS.syncfs, queue = [], busy = false;
    function next() {
        if (busy || !queue.length) return;
        busy = true;
        var job = queue.shift();
        syncfs(job.mount, job.populate, function (err) {
            busy = false;
            job.callback(err);
            next();
        });
    }
    IDBFS.syncfs = function (mount, populate, callback) {
        queue.push({ mount: mount, populate: populate, callback: callback });
        next();
    };
}

function hoofWatchFiles() {
    var close = FS.close, rename = FS.rename, unlink = FS.unlink, rmdir = FS.rmdir, mkdir = FS.mkdir;
    FS.close = function (stream) {
        var written = stream && (stream.flags & 3) !== 0;  // opened to write or read-write
        var result = close.apply(this, arguments);
        if (written) hoofFilesChanged(stream.path);
        return result;
    };
    FS.rename = function (from, to) {
        var result = rename.apply(this, arguments);
        hoofFilesChanged(from);
        hoofFilesChanged(to);
        return result;
    };
    FS.unlink = function (path) { var r = unlink.apply(this, arguments); hoofFilesChanged(path); return r; };
    FS.rmdir = function (path) { var r = rmdir.apply(this, arguments); hoofFilesChanged(path); return r; };
    FS.mkdir = function (path) { var r = mkdir.apply(this, arguments); hoofFilesChanged(path); return r; };
}

// A screenshot: made a PNG by the browser, kept in the files and offered as a download.
Module.hoofSavePng = async function (path, rgba, width, height) {
    try {
        var canvas = document.createElement('canvas');
        canvas.width = width;
        canvas.height = height;
        canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), 0, 0);
        var blob = await new Promise(function (resolve) { canvas.toBlob(resolve, 'image/png'); });
        if (!blob) return 0;
        FS.writeFile(path, new Uint8Array(await blob.arrayBuffer()));
        hoofFilesChanged(path);
        var link = document.createElement('a');
        link.href = URL.createObjectURL(blob);
        link.download = path.split('/').pop();
        document.body.appendChild(link);
        link.click();
        link.remove();
        setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
        return 1;
    } catch (e) {
        console.error('hoofbound: screenshot ' + path + ' not saved: ' + e);
        return 0;
    }
};

// ---- Start -----------------------------------------------------------------------------------
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
    var canvas = Module.canvas;
    window.addEventListener('keydown', hoofKeyDown);
    window.addEventListener('keyup', hoofKeyUp);
    window.addEventListener('blur', hoofLetGo);
    canvas.addEventListener('mousemove', hoofPointer);
    window.addEventListener('resize', hoofLayout);
    FS.mkdir(hoofDataRoot);
    FS.mount(IDBFS, {}, hoofDataRoot);
    hoofOneCopyAtATime();
    hoofWatchFiles();
    // The game starts once the files kept from earlier visits are back in place.
    addRunDependency('hoof-files');
    FS.syncfs(true, function (err) {
        if (err) console.error('hoofbound: the saves kept in the browser could not be read: ' + err);
        removeRunDependency('hoof-files');
    });
});
