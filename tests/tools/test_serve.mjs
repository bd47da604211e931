// The local server against requests a browser would not send: paths that do not decode, ways out
// of the site folder, links and hidden names, other methods, a proxy's targets; none may end the
// server or show what lies outside the site, and every answer carries the page's guards.
//   node --test-reporter=spec tests/tools/test_serve.mjs
import assert from 'node:assert/strict';
import {mkdtempSync, mkdirSync, rmSync, symlinkSync, writeFileSync} from 'node:fs';
import {connect} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {serve} from '../../tools/serve.mjs';

const policy = "default-src 'self'";
const page = (policy) => `<meta http-equiv="Content-Security-Policy" content="${policy}">`;
const top = mkdtempSync(join(tmpdir(), 'serve-'));
const site = join(top, 'site');
for (const folder of ['site', 'site/.git', 'site/sub', 'site-secret']) mkdirSync(join(top, folder));
writeFileSync(join(site, 'small.js'), 'small');
writeFileSync(join(site, '.env'), 'SECRET');
writeFileSync(join(site, '.git', 'config'), 'SECRET');
writeFileSync(join(top, 'site-secret', 'secret.txt'), 'SECRET');
symlinkSync(join(top, 'site-secret', 'secret.txt'), join(site, 'out.txt'));
symlinkSync('../site-secret', join(site, 'outdir'));
symlinkSync('small.js', join(site, 'alias.js'));
symlinkSync('.env', join(site, 'env.txt'));

// The page is written only once the server runs: its policy must be read at each answer.
let server;
before(async () => {
    server = await serve(site);
    writeFileSync(join(site, 'index.html'), page(policy));
});
after(() => {
    server.server.close();
    server.server.closeAllConnections();
    rmSync(top, {recursive: true, force: true});
});

// One request as written, the target untouched by a client's URL handling (PORT stands for the
// server's), with `head` for its headers and, with `end`, the client's side closed once it is
// out; resolves to the status, the headers (lower-case names), the body and the whole answer, or
// fails if no answer comes.
function send(method, target, {head = 'Host: localhost\r\n', end = false} = {}) {
    const port = server.server.address().port;
    return new Promise((resolve, reject) => {
        const socket = connect(port, '127.0.0.1');
        const chunks = [];
        const fail = () => socket.destroy(new Error(`no answer to ${method} ${target}`));
        socket.setTimeout(5000, fail);
        socket.on('data', (chunk) => chunks.push(chunk)).on('error', reject).on('end', () => {
            const text = Buffer.concat(chunks).toString('latin1');
            const [top, ...body] = text.split('\r\n\r\n');
            const [status, ...lines] = top.split('\r\n');
            const headers = Object.fromEntries(lines.map((line) => line.split(/: */))
                .map(([name, value]) => [name.toLowerCase(), value]));
            resolve({status: Number(status.split(' ')[1]), headers, body: body.join('\r\n\r\n'),
                text});
        });
        socket.write(`${method} ${target.replace('PORT', port)} HTTP/1.1\r\n${head}` +
            'Connection: close\r\n\r\n');
        if (end) socket.end();
    });
}

// What every answer must carry, refusals too.
const guards = {
    'x-content-type-options': 'nosniff',
    'content-security-policy': `${policy}; frame-ancestors 'none'`,
};
const allow = {allow: 'GET, HEAD'};
const small = {'content-type': 'text/javascript; charset=utf-8'};
const cases = [
    // what, method, target, status, headers the answer must carry, its body if it matters, how
    ['an escape cut short', 'GET', '/50%', 400],
    ['an escape of no hex digits', 'GET', '/%ZZ', 400],
    ['an empty authority, no path', 'GET', '//', 400],
    ['a NUL byte', 'GET', '/small.js%00.html', 400],
    ['a method that is no token', 'G@T', '/small.js', 400],
    ['HTTP/1.1 without a host', 'GET', '/small.js', 400, {}, undefined, {head: ''}],
    ['an absolute target for another port', 'GET', 'http://127.0.0.1:1/small.js', 400],
    ['an escaped way to a sibling folder', 'GET', '/%2e%2e%2fsite-secret%2fsecret.txt', 404],
    ['a raw way to a sibling folder', 'GET', '/../site-secret/secret.txt', 404],
    ['a link to a file outside', 'GET', '/out.txt', 404],
    ['a link to a folder outside', 'GET', '/outdir/secret.txt', 404],
    ['a link inside to a hidden file', 'GET', '/env.txt', 404],
    ['a hidden file', 'GET', '/.env', 404],
    ['a file in a hidden folder', 'GET', '/.git/config', 404],
    ['a folder without its slash', 'GET', '/sub', 404],
    ['a missing file', 'GET', '/missing.txt', 404],
    ['POST', 'POST', '/small.js', 405, allow],
    ['DELETE', 'DELETE', '/', 405, allow],
    ['a method unknown to Node', 'FOO', '/small.js', 405, allow],
    ['a method in lower case', 'get', '/small.js', 405, allow],
    ['CONNECT, for a tunnel', 'CONNECT', '127.0.0.1:80', 405, allow],
    ['an expectation not met', 'GET', '/small.js', 417, {}, undefined,
        {head: 'Host: localhost\r\nExpect: magic\r\n'}],
    ['the page', 'GET', '/', 200, {'content-type': 'text/html; charset=utf-8'}],
    ['the page gzipped where accepted', 'GET', '/', 200, {'content-encoding': 'gzip'}, undefined,
        {head: 'Host: localhost\r\nAccept-Encoding: gzip\r\n'}],
    ['HEAD, its length and no body', 'HEAD', '/small.js', 200, {'content-length': '5'}, ''],
    ['a file with a query', 'GET', '/small.js?v=1', 200, small, 'small'],
    ['a link inside the site', 'GET', '/alias.js', 200, small, 'small'],
    ['its own absolute address', 'GET', 'http://127.0.0.1:PORT/small.js', 200, small, 'small'],
    ['a client that half-closes', 'GET', '/small.js', 200, small, 'small', {end: true}],
];

for (const [what, method, target, status, headers = {}, body, how] of cases) {
    test(`${what}: ${method} ${target} -> ${status}`, async () => {
        const answer = await send(method, target, how);
        assert.equal(answer.status, status);
        for (const [name, value] of Object.entries({...guards, ...headers})) {
            assert.equal(answer.headers[name], value, name);
        }
        if (body !== undefined) assert.equal(answer.body, body);
        assert.ok(!answer.text.includes('SECRET'));
    });
}

// Without a page, the strictest policy; and what was sent is counted, for the benchmark.
test('a strict policy without a page, the bytes sent counted', async () => {
    rmSync(join(site, 'index.html'));
    const answer = await send('GET', '/missing.txt');
    writeFileSync(join(site, 'index.html'), page(policy));
    assert.equal(answer.headers['content-security-policy'],
        "default-src 'none'; frame-ancestors 'none'");
    assert.ok(server.bytes() > 0);
});
