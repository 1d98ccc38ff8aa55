#include "export/OrderedJobs.h"

#include <algorithm>

OrderedJobs::OrderedJobs(unsigned threads)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < threads; ++i)
        m_workers.emplace_back([this] { work(); });
}

OrderedJobs::~OrderedJobs()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_jobReady.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

void OrderedJobs::work()
{
    for (;;) {
        std::pair<std::uint64_t, Job> job;
        {
            std::unique_lock lock(m_mutex);
            m_jobReady.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        std::string result = job.second();
        {
            std::lock_guard lock(m_mutex);
            m_results.emplace(job.first, std::move(result));
        }
        m_resultReady.notify_all();
    }
}

void OrderedJobs::takeOldest(const Take &take)
{
    std::string result;
    {
        std::unique_lock lock(m_mutex);
        m_resultReady.wait(lock, [this] { return m_results.contains(m_taken); });
        auto found = m_results.find(m_taken);
        result = std::move(found->second);
        m_results.erase(found);
        ++m_taken;
    }
    take(result);
}

void OrderedJobs::submit(Job job, const Take &take)
{
    // Enough in flight to keep every core busy, few enough to bound the memory frames take.
    const std::uint64_t limit = 4 * m_workers.size();
    while (m_submitted - m_taken >= limit)
        takeOldest(take);
    {
        std::lock_guard lock(m_mutex);
        m_jobs.emplace_back(m_submitted++, std::move(job));
    }
    m_jobReady.notify_one();
}

void OrderedJobs::drain(const Take &take)
{
    while (m_taken < m_submitted)
        takeOldest(take);
}
