#pragma once

// Helpers that start real SNMP peers on 127.0.0.1 for the tests.
